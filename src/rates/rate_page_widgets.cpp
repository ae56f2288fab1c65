#include "rates/rate_page_widgets.h"

#include <QDateEdit>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>

#include "amounts/number_text.h"
#include "app/message_box.h"
#include "app/widgets.h"

namespace lumtar {

namespace {
const QDate kEarliestPick(1900, 1, 1);
const QDate kLatestPick(9999, 12, 31);

void AppendLines(QPlainTextEdit* box, const std::vector<std::string>& lines) {
    if (lines.empty()) return;
    QString text;
    for (const std::string& line : lines) {
        if (!text.isEmpty() || &line != &lines.front()) text += QLatin1Char('\n');
        text += QString::fromStdString(line);
    }
    // Filling an empty box lays out only the lines in view; appending lays out all.
    if (box->document()->isEmpty())
        box->setPlainText(text);
    else
        box->appendPlainText(text);
}

void ShowFromTop(QPlainTextEdit* box) {
    box->moveCursor(QTextCursor::Start);
    box->verticalScrollBar()->setValue(0);
}
}  // namespace

void ApplyOutcome(const RatePageOutcome& outcome, const RatePageControls& controls,
                  QWidget* owner) {
    controls.interval->setText(QString::fromStdString(outcome.interval));
    if (outcome.echo) controls.echo->setText(QString::fromStdString(*outcome.echo));
    if (outcome.message) ShowMessage(owner, QString::fromStdString(*outcome.message));
    if (outcome.clearsResults) {
        controls.results->clear();
        controls.segments->clear();
    }
    // An entry keeps its line feeds: it shows as one line with blank lines around it.
    // All lines go in with one append, so the box lays itself out once per keystroke.
    AppendLines(controls.segments, outcome.segments);
    AppendLines(controls.results, outcome.lines);
    if (!outcome.lines.empty()) ShowFromTop(controls.results);
    if (outcome.conversionError) throw ConversionError(*outcome.conversionError);
}

QDateEdit* MakeDatePicker(QWidget* parent, const char* name, const QString& label, int left,
                          int top, int width, int height) {
    auto* picker = Make<QDateEdit>(parent, name, left, top, width, height);
    const QSignalBlocker quiet(picker);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    picker->setDateRange(kEarliestPick, kLatestPick);
    picker->setDate(QDate::currentDate());
    picker->setAccessibleName(label);
    return picker;
}

QPlainTextEdit* MakeResultBox(QWidget* parent, const char* name, const QStringList& lines, int left,
                              int top, int width, int height) {
    auto* box = Make<QPlainTextEdit>(parent, name, left, top, width, height);
    box->setReadOnly(true);
    box->setPlainText(lines.join(QLatin1Char('\n')));
    SetBaseColor(box, box->palette().color(QPalette::Button));
    // Long lines wrap at the box's width, so it scrolls only vertically.
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setAccessibleName(QStringLiteral("计算结果"));
    return box;
}

CivilDate ToCivilDate(const QDate& date) {
    return {date.year(), date.month(), date.day()};
}

}  // namespace lumtar
