#pragma once
// Page "日期计算": from a start date and a day count, the last day with its
// weekday and its mark (weekend, day off, working weekend); from a picked end
// date, the day count and the period. The holiday lists come from the site
// settings file, read afresh at every count.

#include "app/page.h"
#include "app/shell.h"
#include "dates/deadline.h"

class QCalendarWidget;
class QDate;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace lumtar {

class UpDown;

class DatePage : public Page {
    Q_OBJECT
public:
    explicit DatePage(Shell& shell, QWidget* parent = nullptr);
    // Showing the page runs nothing: its labels keep their last state.
    void recompute() override;

    // Event handlers, named after their control and event.
    void SpeedButton1Click();   // the count: start date and day count to the last day
    void SpeedButton14Click();  // the interval: start and end date to the day count
    void UpDown1Click();
    void Edit2KeyPress();  // Enter

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void connectEvents();
    HolidayLists readHolidayLists() const;
    // From the program: never runs the interval.
    void setEndDate(const QDate& date);
    void showInCalendar(const QDate& date);

    Shell& shell_;
    QDateEdit* fromCalendar = nullptr;
    QLineEdit* Edit2 = nullptr;
    UpDown* UpDown1 = nullptr;
    QDateEdit* GGdate = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label14 = nullptr;
    QCalendarWidget* MonthCalendar1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
};

}  // namespace lumtar
