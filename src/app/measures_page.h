#pragma once
// Page "新办法": the full text of the Measures on the Payment of Litigation
// Costs (State Council Decree No. 481), read-only.

#include "app/page.h"

class QTextEdit;

namespace lumtar {

// Lays the official text out for reading: title and decree number moved to the
// middle of the line by leading blanks, every other paragraph indented by two
// ideographic spaces.
QString LayOutMeasures(const QString& officialText);

class MeasuresPage : public Page {
    Q_OBJECT
public:
    explicit MeasuresPage(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTextEdit* richEdit_ = nullptr;
};

}  // namespace lumtar
