#include "platform/format.h"

#include <algorithm>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "platform/text.h"

namespace qm7::platform {

namespace {

// Widths and precisions beyond this are taken for a broken format.
constexpr size_t kMaxWidth = 100000;
constexpr int kGeneralPrecision = 15;
constexpr int kMaxSignificant = 17; // a double never needs more
constexpr int kFixedPrecision = 2;

// A decimal number: 0.digits x 10^point, the digits without leading or
// trailing zeros; no digits at all is zero.
struct TDecimal {
    std::string digits;
    int point = 0;
    bool negative = false;
};

void StripTrailingZeros(TDecimal& d) {
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty())
        d.point = 0;
}

// The shortest decimal form that reads back as the same double.
TDecimal DecimalOf(double value) {
    TDecimal d;
    d.negative = std::signbit(value);
    if (value == 0)
        return d;
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific);
    const std::string_view text(buffer, size_t(result.ptr - buffer));
    const size_t e = text.find('e');
    for (size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            d.digits.push_back(text[i]);
    int exponent = 0;
    const std::string_view exp_text = text.substr(e + 1);
    const size_t skip = exp_text.front() == '+' ? 1 : 0;
    std::from_chars(exp_text.data() + skip, exp_text.data() + exp_text.size(), exponent);
    d.point = exponent + 1;
    StripTrailingZeros(d);
    return d;
}

TDecimal DecimalOf(int64_t value) {
    TDecimal d;
    d.negative = value < 0;
    const uint64_t magnitude = d.negative ? 0 - uint64_t(value) : uint64_t(value);
    if (magnitude == 0)
        return d;
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude);
    d.digits.assign(buffer, result.ptr);
    d.point = int(d.digits.size());
    StripTrailingZeros(d);
    return d;
}

// Keeps the first `keep` digits, rounding half away from zero on the digits
// as they stand (which are exact for the shortest decimal form).
void RoundDigits(TDecimal& d, int keep) {
    if (keep >= int(d.digits.size()))
        return;
    if (keep < 0) {
        d.digits.clear();
        d.point = 0;
        return;
    }
    const bool up = d.digits[size_t(keep)] >= '5';
    d.digits.resize(size_t(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[size_t(i)] == '9') {
            d.digits[size_t(i)] = '0';
            --i;
        }
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            ++d.point;
        } else {
            ++d.digits[size_t(i)];
        }
    }
    StripTrailingZeros(d);
}

bool IsZero(const TDecimal& d) {
    return d.digits.empty();
}

char DigitAt(const TDecimal& d, int index) {
    return index >= 0 && index < int(d.digits.size()) ? d.digits[size_t(index)] : '0';
}

void AppendAscii(std::u16string& out, std::string_view s) {
    out.append(s.begin(), s.end());
}

// Fixed notation with `decimals` places, grouped by `thousands` when it is
// not zero.
std::u16string FixedText(TDecimal d, int decimals, char16_t thousands, char16_t decimal_sep) {
    RoundDigits(d, d.point + decimals);
    std::u16string out;
    if (d.negative && !IsZero(d))
        out.push_back(u'-');
    const int int_digits = std::max(d.point, 1);
    for (int i = 0; i < int_digits; ++i) {
        if (thousands != 0 && i > 0 && (int_digits - i) % 3 == 0)
            out.push_back(thousands);
        out.push_back(char16_t(d.point >= 1 ? DigitAt(d, i) : '0'));
    }
    if (decimals > 0) {
        out.push_back(decimal_sep);
        for (int j = 0; j < decimals; ++j)
            out.push_back(char16_t(DigitAt(d, d.point + j)));
    }
    return out;
}

// General notation: `precision` significant digits, trailing zeros dropped,
// fixed unless the exponent is too large or too small.
std::u16string GeneralText(TDecimal d, int precision, char16_t decimal_sep) {
    RoundDigits(d, precision);
    if (IsZero(d))
        return u"0";
    std::u16string out;
    if (d.negative)
        out.push_back(u'-');
    const int count = int(d.digits.size());
    if (d.point > precision || d.point < -3) {
        out.push_back(char16_t(d.digits[0]));
        if (count > 1) {
            out.push_back(decimal_sep);
            AppendAscii(out, std::string_view(d.digits).substr(1));
        }
        out.push_back(u'E');
        AppendAscii(out, std::to_string(d.point - 1));
        return out;
    }
    if (d.point <= 0) {
        out.push_back(u'0');
        out.push_back(decimal_sep);
        out.append(size_t(-d.point), u'0');
        AppendAscii(out, d.digits);
        return out;
    }
    for (int i = 0; i < d.point; ++i)
        out.push_back(char16_t(DigitAt(d, i)));
    if (count > d.point) {
        out.push_back(decimal_sep);
        AppendAscii(out, std::string_view(d.digits).substr(size_t(d.point)));
    }
    return out;
}

// One parsed placeholder.
struct TSpec {
    bool left_justify = false;
    size_t width = 0;
    int precision = -1; // -1: none given
    char16_t type = 0;  // lower case
};

class TFormatter {
public:
    TFormatter(std::u16string_view format, std::initializer_list<TFormatArg> args,
               const TFormatSettings& settings)
        : format_(format), args_(args.begin()), arg_count_(args.size()), settings_(settings) {}

    std::u16string Run() {
        std::u16string out;
        out.reserve(format_.size() + 16);
        size_t i = 0;
        while (i < format_.size()) {
            const size_t percent = format_.find(u'%', i);
            if (percent == std::u16string_view::npos) {
                out.append(format_.substr(i));
                break;
            }
            out.append(format_.substr(i, percent - i));
            i = percent + 1;
            if (i < format_.size() && format_[i] == u'%') {
                out.push_back(u'%');
                ++i;
                continue;
            }
            i = Placeholder(i, out);
        }
        return out;
    }

private:
    [[noreturn]] void Fail(const std::string& why) const {
        throw std::invalid_argument("Format \"" + Utf16ToUtf8(format_) + "\": " + why);
    }

    bool IsDigit(size_t i) const {
        return i < format_.size() && format_[i] >= u'0' && format_[i] <= u'9';
    }

    size_t Number(size_t& i) const {
        size_t value = 0;
        while (IsDigit(i)) {
            value = value * 10 + size_t(format_[i] - u'0');
            if (value > kMaxWidth)
                Fail("width, precision or index too large");
            ++i;
        }
        return value;
    }

    // Parses the placeholder after its "%" at i, appends its text, and
    // returns the index after it.
    size_t Placeholder(size_t i, std::u16string& out) {
        TSpec spec;
        if (IsDigit(i)) {
            size_t k = i;
            const size_t n = Number(k);
            if (k < format_.size() && format_[k] == u':') {
                next_arg_ = n;
                i = k + 1;
            }
        }
        if (i < format_.size() && format_[i] == u'-') {
            spec.left_justify = true;
            ++i;
        }
        spec.width = Number(i);
        if (i < format_.size() && format_[i] == u'.') {
            ++i;
            spec.precision = int(Number(i));
        }
        if (i >= format_.size())
            Fail("placeholder without a type at the end");
        char16_t type = format_[i];
        if (type >= u'A' && type <= u'Z')
            type = char16_t(type - u'A' + u'a');
        spec.type = type;
        ++i;
        std::u16string text = Convert(spec);
        if (text.size() < spec.width) {
            if (spec.left_justify)
                text.append(spec.width - text.size(), u' ');
            else
                text.insert(0, spec.width - text.size(), u' ');
        }
        out += text;
        return i;
    }

    const TFormatArg& NextArg(char16_t type) {
        if (next_arg_ >= arg_count_)
            Fail("no argument " + std::to_string(next_arg_) + " for %" +
                 Utf16ToUtf8(std::u16string(1, type)));
        return args_[next_arg_++];
    }

    [[noreturn]] void WrongKind(char16_t type, const char* wanted) const {
        Fail("argument " + std::to_string(next_arg_ - 1) + " of %" +
             Utf16ToUtf8(std::u16string(1, type)) + " must be " + wanted);
    }

    std::u16string Convert(const TSpec& spec) {
        switch (spec.type) {
        case u's':
            return String(spec);
        case u'd':
            return Integer(spec);
        case u'x':
            return Hex(spec);
        case u'f':
        case u'n':
        case u'g':
            return Float(spec);
        default:
            Fail("unknown placeholder type '" + Utf16ToUtf8(std::u16string(1, spec.type)) + "'");
        }
    }

    std::u16string String(const TSpec& spec) {
        const auto* s = std::get_if<std::u16string>(&NextArg(spec.type));
        if (!s)
            WrongKind(spec.type, "a text");
        if (spec.precision < 0 || size_t(spec.precision) >= s->size())
            return *s;
        size_t keep = size_t(spec.precision);
        // Never cut a surrogate pair in two.
        if (keep > 0 && (*s)[keep - 1] >= 0xD800 && (*s)[keep - 1] <= 0xDBFF)
            --keep;
        return s->substr(0, keep);
    }

    std::u16string Integer(const TSpec& spec) {
        const auto* v = std::get_if<int64_t>(&NextArg(spec.type));
        if (!v)
            WrongKind(spec.type, "an integer");
        const uint64_t magnitude = *v < 0 ? 0 - uint64_t(*v) : uint64_t(*v);
        return WithMinimumDigits(std::to_string(magnitude), spec.precision, *v < 0);
    }

    std::u16string Hex(const TSpec& spec) {
        const auto* v = std::get_if<int64_t>(&NextArg(spec.type));
        if (!v)
            WrongKind(spec.type, "an integer");
        // A negative value that fits 32 bits is written as the 32-bit
        // pattern, as for the 32-bit integers the messages were made for.
        const uint64_t bits = *v < 0 && *v >= std::numeric_limits<int32_t>::min()
                                  ? uint64_t(uint32_t(int32_t(*v)))
                                  : uint64_t(*v);
        char buffer[32];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, bits, 16);
        std::string digits(buffer, result.ptr);
        for (char& c : digits)
            if (c >= 'a' && c <= 'f')
                c = char(c - 'a' + 'A');
        return WithMinimumDigits(digits, spec.precision, false);
    }

    static std::u16string WithMinimumDigits(const std::string& digits, int precision,
                                            bool negative) {
        std::u16string out;
        if (negative)
            out.push_back(u'-');
        if (precision > 0 && size_t(precision) > digits.size())
            out.append(size_t(precision) - digits.size(), u'0');
        AppendAscii(out, digits);
        return out;
    }

    std::u16string Float(const TSpec& spec) {
        const TFormatArg& arg = NextArg(spec.type);
        TDecimal d;
        if (const auto* v = std::get_if<double>(&arg)) {
            if (std::isnan(*v))
                return u"NAN";
            if (std::isinf(*v))
                return *v < 0 ? u"-INF" : u"INF";
            d = DecimalOf(*v);
        } else if (const auto* n = std::get_if<int64_t>(&arg)) {
            d = DecimalOf(*n);
        } else {
            WrongKind(spec.type, "a number");
        }
        if (spec.type == u'g') {
            int precision = spec.precision < 0 ? kGeneralPrecision : spec.precision;
            precision = std::clamp(precision, 1, kMaxSignificant);
            return GeneralText(d, precision, settings_.DecimalSeparator);
        }
        const int decimals = spec.precision < 0 ? kFixedPrecision : spec.precision;
        const char16_t thousands = spec.type == u'n' ? settings_.ThousandSeparator : 0;
        return FixedText(d, decimals, thousands, settings_.DecimalSeparator);
    }

    std::u16string_view format_;
    const TFormatArg* args_; // the caller's list outlives the formatter
    size_t arg_count_;
    const TFormatSettings& settings_;
    size_t next_arg_ = 0;
};

} // namespace

std::u16string Format(std::u16string_view format, std::initializer_list<TFormatArg> args,
                      const TFormatSettings& settings) {
    return TFormatter(format, args, settings).Run();
}

std::u16string Format(std::u16string_view format, std::initializer_list<TFormatArg> args) {
    return Format(format, args, FormatSettings());
}

double RoundHalfEven(double value) {
    const int mode = std::fegetround();
    if (mode == FE_TONEAREST)
        return std::nearbyint(value);
    std::fesetround(FE_TONEAREST);
    const double result = std::nearbyint(value);
    std::fesetround(mode);
    return result;
}

} // namespace qm7::platform
