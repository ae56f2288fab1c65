#include "rates/segmented_interest.h"

#include <stdexcept>

#include "amounts/number_text.h"

namespace lumtar {
namespace {

constexpr double kOneTwelfth = 1.0 / 12;
constexpr double kOne360th = 1.0 / 360;

enum class Piece { Single, First, Middle, Last };

std::string EntryText(Piece piece, double percent, const CivilDate& from, const CivilDate& to,
                      const Period& length, double amount) {
    const bool single = piece == Piece::Single;
    std::string text;
    text.reserve(128);
    // A blank line sets the pieces apart from the heading above them.
    if (single || piece == Piece::First) text += '\n';
    text += "     基准利率";
    text += FormatFixed2(percent);
    text += single ? "计算期间 " : "计算期间";
    text += Yyyymmdd(from);
    text += "至";
    text += Yyyymmdd(to);
    text += "共";
    text += std::to_string(length.years) + "年" + std::to_string(length.months) + "个月" +
            std::to_string(length.days);
    text += single ? "天  金额" : "天 金额";
    text += FormatFixed2(amount);
    text += '\n';
    return text;
}

}  // namespace

double BankYearInterest(double amount, double percentPerYear, const Period& length,
                        int multiplier) {
    const double r = percentPerYear * 0.01;
    const double perBankYear =
        r * length.years + r * kOneTwelfth * length.months + r * kOne360th * length.days;
    return multiplier * amount * perBankYear;
}

SegmentedTotal SegmentedInterest(const BenchmarkRates& rates, double amount, const CivilDate& start,
                                 const CivilDate& end, int tier, int multiplier) {
    if (start < kFirstRateDate || end < start)
        throw std::invalid_argument("segmented interest needs a start from " +
                                    Yyyymmdd(kFirstRateDate) + " and not after the end");
    const int s = RatePeriodOf(rates, start);
    const int e = RatePeriodOf(rates, end);

    SegmentedTotal result;
    for (int k = s; k <= e; ++k) {
        // Neighbouring pieces share their boundary day; each length counts it once.
        const CivilDate& from = k == s ? start : rates.adjustedOn(k);
        const CivilDate& to = k == e ? end : rates.adjustedOn(k + 1);
        const Piece piece = s == e   ? Piece::Single
                            : k == s ? Piece::First
                            : k == e ? Piece::Last
                                     : Piece::Middle;
        const Period length = CalendarPeriod(from, to);
        const double percent = rates.percentPerYear(k, tier);
        const double pieceAmount = BankYearInterest(amount, percent, length, multiplier);
        result.total += pieceAmount;
        result.entries.push_back(EntryText(piece, percent, from, to, length, pieceAmount));
    }
    return result;
}

}  // namespace lumtar
