// qvd-v13: the earlier release V13, with the rate table of 2011-07-07.
#include "app/application.h"

int main(int argc, char** argv) {
    return lumtar::RunLumtar(argc, argv, lumtar::kReleaseV13);
}
