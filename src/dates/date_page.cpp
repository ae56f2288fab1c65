#include "dates/date_page.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCharFormat>
#include <QToolButton>
#include <algorithm>

#include "app/guard.h"
#include "app/message_box.h"
#include "app/widgets.h"
#include "dates/up_down.h"

namespace lumtar {
namespace {

constexpr int kLargestSpinPosition = 10000;

CivilDate ToCivil(const QDate& date) {
    return {date.year(), date.month(), date.day()};
}
QDate ToQDate(const CivilDate& date) {
    return {date.year, date.month, date.day};
}
QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// The spin shows a count it cannot hold, such as a negative one, at its nearest bound.
int SpinPosition(long long dayCount) {
    return static_cast<int>(std::clamp<long long>(dayCount, 0, kLargestSpinPosition));
}

QDateEdit* MakeDatePicker(QWidget* parent, const char* name, const QString& label, int left,
                          int top, int width, int height) {
    auto* picker = Make<QDateEdit>(parent, name, left, top, width, height);
    picker->setAccessibleName(label);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    picker->setDateRange(ToQDate(kEarliestPickerDate), ToQDate(kLatestPickerDate));
    picker->setDate(QDate::currentDate());
    return picker;
}

// The month of the last day, for reading only: it never takes input, yet its
// days read clearly and the last day stands out, with no mark on today.
class MonthView : public QCalendarWidget {
public:
    explicit MonthView(QWidget* parent) : QCalendarWidget(parent) {
        setLocale(QLocale(QLocale::Chinese, QLocale::China));
        setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
        setGridVisible(false);
        QTextCharFormat header;
        header.setForeground(colors::kOlive);
        header.setBackground(Qt::white);
        setHeaderTextFormat(header);
        for (Qt::DayOfWeek day : {Qt::Saturday, Qt::Sunday}) setWeekdayTextFormat(day, header);
        setStyleSheet(QStringLiteral(
            "QCalendarWidget { background-color: rgb(128, 128, 0); }"
            "QWidget#qt_calendar_navigationbar { background-color: rgb(128, 128, 0); }"
            "QWidget#qt_calendar_navigationbar QToolButton { color: white; background: transparent;"
            " border: none; font-weight: bold; }"
            "QToolButton::menu-indicator { image: none; width: 0px; }"
            "QAbstractItemView { background-color: white; }"));
    }

protected:
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override {
        const bool selected = date == selectedDate();
        const bool inShownMonth = date.month() == monthShown() && date.year() == yearShown();
        painter->save();
        painter->fillRect(rect, selected ? colors::kOlive : QColor(Qt::white));
        painter->setPen(selected       ? QColor(Qt::white)
                        : inShownMonth ? QColor(Qt::black)
                                       : QColor(160, 160, 160));
        painter->drawText(rect, Qt::AlignCenter, QString::number(date.day()));
        painter->restore();
    }
};

const QString kUsageNotes = QStringLiteral(
    " \n"
    " 常用计算：\n"
    "1、一般公告开庭日。\n"
    " 60日（公告期）+30日（举证期限）+3\n"
    "（第三日）=93日;\n"
    "2、一般民事判决上诉期限内最后一日。\n"
    " 15日（上诉期）=15日;\n"
    "3、一般民事判决书生效日首日。\n"
    " 15日(上诉期)+1日（期满后首日）=16日\n");

}  // namespace

DatePage::DatePage(Shell& shell, QWidget* parent) : Page(parent), shell_(shell) {
    buildControls();
    connectEvents();
}

void DatePage::recompute() {}

void DatePage::buildControls() {
    auto* panel1 = Make<QFrame>(this, "Panel1", 0, 0, 617, 290);
    panel1->setFrameShape(QFrame::Panel);
    panel1->setFrameShadow(QFrame::Sunken);

    auto* label7 =
        MakeLabel(panel1, "Label7", QStringLiteral("起始日(从第二日起计)"), 52, 14, SongTi(13));
    fromCalendar = MakeDatePicker(panel1, "fromCalendar", label7->text(), 52, 33, 134, 21);
    fromCalendar->setFont(SongTi(13, true));
    label7->setBuddy(fromCalendar);

    auto* label5 =
        MakeLabel(panel1, "Label5", QStringLiteral("间隔总天数"), 234, 12, SongTi(15, true));
    Edit2 = Make<QLineEdit>(panel1, "Edit2", 236, 33, 64, 29);
    Edit2->setFont(SongTi(21, true));
    Edit2->setAccessibleName(label5->text());
    Edit2->setText(QStringLiteral("0"));
    label5->setBuddy(Edit2);

    // Beside the field, overlapping its right edge, but not bound to it.
    UpDown1 = Make<UpDown>(panel1, "UpDown1", 297, 33, 24, 25);
    UpDown1->setRange(0, kLargestSpinPosition);
    UpDown1->setAccessibleName(label5->text());

    auto* label9 = MakeLabel(panel1, "Label9", QStringLiteral("截止日"), 354, 14, SongTi(13));
    GGdate = MakeDatePicker(panel1, "GGdate", label9->text(), 354, 33, 135, 21);
    label9->setBuddy(GGdate);

    Label2 = MakeLabel(panel1, "Label2", QStringLiteral("0年0个月0天"), 223, 68, SongTi(15, true));
    Label2->resize(380, Label2->height());
    Label2->setAccessibleDescription(QStringLiteral("期间"));
    Label13 = MakeLabel(panel1, "Label13", QString(), 387, 68, SongTi(13, true));
    Label13->resize(57, 18);
    SetTextColor(Label13, colors::kMaroon);
    Label13->setAccessibleDescription(QStringLiteral("截止日星期"));
    Label14 = MakeLabel(panel1, "Label14", QString(), 444, 68, SongTi(19, true));
    Label14->resize(160, 24);
    SetTextColor(Label14, colors::kRed);
    Label14->setAccessibleDescription(QStringLiteral("截止日标记"));

    Memo2 = Make<QPlainTextEdit>(panel1, "Memo2", 12, 103, 254, 185);
    Memo2->setReadOnly(true);
    Memo2->setFont(SongTi(13));
    Memo2->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SetBaseColor(Memo2, palette().color(QPalette::Button));
    Memo2->setPlainText(kUsageNotes);

    MonthCalendar1 = Make<MonthView>(panel1, "MonthCalendar1", 285, 103, 309, 154);
    MonthCalendar1->setDateRange(ToQDate(kEarliestPickerDate), ToQDate(kLatestPickerDate));
    MonthCalendar1->setAccessibleDescription(QStringLiteral("截止日"));
    MonthCalendar1->setEnabled(false);
    showInCalendar(GGdate->date());

    // Carriers of the count and the interval; "显示说明" does nothing.
    auto* speedButton1 = Make<SpeedButton>(panel1, "SpeedButton1", 120, 243);
    speedButton1->setText(QStringLiteral("计算"));
    speedButton1->hide();
    connect(speedButton1, &QToolButton::clicked, this,
            [this] { Guarded(this, [this] { SpeedButton1Click(); }); });
    auto* speedButton2 = Make<SpeedButton>(panel1, "SpeedButton2", 160, 243);
    speedButton2->setText(QStringLiteral("显示说明"));
    speedButton2->hide();
    auto* speedButton14 = Make<QPushButton>(panel1, "SpeedButton14", 256, 250);
    speedButton14->hide();
    connect(speedButton14, &QPushButton::clicked, this,
            [this] { Guarded(this, [this] { SpeedButton14Click(); }); });
}

void DatePage::connectEvents() {
    connect(fromCalendar, &QDateEdit::dateChanged, this,
            [this] { Guarded(this, [this] { SpeedButton1Click(); }); });
    connect(Edit2, &QLineEdit::textChanged, this,
            [this] { Guarded(this, [this] { SpeedButton1Click(); }); });
    connect(UpDown1, &UpDown::clicked, this, [this] { Guarded(this, [this] { UpDown1Click(); }); });
    // Only the user's changes arrive here: the program sets GGdate with its
    // signals blocked.
    connect(GGdate, &QDateEdit::dateChanged, this,
            [this] { Guarded(this, [this] { SpeedButton14Click(); }); });
    Edit2->installEventFilter(this);
}

bool DatePage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit2 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Guarded(this, [this] { Edit2KeyPress(); });
            return true;
        }
    }
    return Page::eventFilter(watched, event);
}

HolidayLists DatePage::readHolidayLists() const {
    // One read of each section, whatever its "num" says.
    auto listed = [this](const QString& section) {
        SectionEntries entries;
        for (const auto& [key, value] : shell_.siteSettings.readSection(section))
            entries.emplace_back(key.toStdString(), value.toStdString());
        return ListedDates(entries);
    };
    return {listed(QStringLiteral("holiday")), listed(QStringLiteral("notholiday"))};
}

void DatePage::setEndDate(const QDate& date) {
    const QSignalBlocker blocker(GGdate);
    GGdate->setDate(date);
}

void DatePage::showInCalendar(const QDate& date) {
    MonthCalendar1->setSelectedDate(date);
    MonthCalendar1->setCurrentPage(date.year(), date.month());
}

void DatePage::SpeedButton1Click() {
    const CountResult result = CountDeadline(ToCivil(fromCalendar->date()),
                                             Edit2->text().toStdString(), readHolidayLists());
    if (result.outcome == CountOutcome::Blank) {
        Label2->clear();
        return;
    }
    Label14->clear();
    if (result.outcome == CountOutcome::Refused) {
        ShowMessage(this, QStringLiteral("填写有误，系统恢复默认值"));
        Edit2->setText(QStringLiteral("0"));  // counts again from the start date
        UpDown1->setPosition(0);
        return;
    }
    const Deadline& deadline = result.deadline;
    setEndDate(ToQDate(deadline.end));
    Label13->setText(FromUtf8(deadline.weekday));
    Label14->setText(FromUtf8(deadline.mark));
    Label2->setText(FromUtf8(deadline.period));
    showInCalendar(ToQDate(deadline.end));
    UpDown1->setPosition(SpinPosition(deadline.dayCount));
}

void DatePage::SpeedButton14Click() {
    const Interval interval =
        MeasureInterval(ToCivil(fromCalendar->date()), ToCivil(GGdate->date()));
    Label2->setText(FromUtf8(interval.label));
    if (interval.endBeforeStart) return;
    // A new number runs the count, which marks the same day.
    Edit2->setText(QString::number(interval.dayCount));
    UpDown1->setPosition(SpinPosition(interval.dayCount));
    showInCalendar(GGdate->date());
}

void DatePage::UpDown1Click() {
    Edit2->setText(QString::number(UpDown1->position()));
}

void DatePage::Edit2KeyPress() {
    // Empties the count, which blanks the period; the end date stays.
    Edit2->clear();
    Edit2->setFocus();
}

}  // namespace lumtar
