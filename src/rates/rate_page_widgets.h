#pragma once
// What the interest and damages pages share on screen: their date pickers,
// their result boxes, and writing a recomputation's outcome into the controls.

#include <QDate>
#include <QString>
#include <QStringList>
#include <string_view>

#include "dates/civil_date.h"
#include "rates/rate_page_outcome.h"

class QDateEdit;
class QLabel;
class QPlainTextEdit;
class QWidget;

namespace lumtar {

// The controls an outcome is written to.
struct RatePageControls {
    QLabel* interval;
    QLabel* echo;
    QPlainTextEdit* results;
    QPlainTextEdit* segments;
};

// Writes the outcome in order; a conversion error is raised last, as the
// ConversionError that the standard error box reports.
void ApplyOutcome(const RatePageOutcome& outcome, const RatePageControls& controls, QWidget* owner);

// A date picker with a calendar drop-down, showing today without running any
// change handler. Its range is wide enough for any court case and small
// enough that every calculation on it stays quick.
QDateEdit* MakeDatePicker(QWidget* parent, const char* name, const QString& label, int left,
                          int top, int width, int height);

// A read-only result box on the button face, with its opening text.
QPlainTextEdit* MakeResultBox(QWidget* parent, const char* name, const QStringList& lines, int left,
                              int top, int width, int height);

CivilDate ToCivilDate(const QDate& date);

}  // namespace lumtar
