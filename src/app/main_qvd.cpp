// qvd: release V14.2.
#include "app/application.h"

int main(int argc, char** argv) {
    return lumtar::RunLumtar(argc, argv, lumtar::kReleaseV14_2);
}
