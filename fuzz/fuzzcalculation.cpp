// libFuzzer target over Val, the regional read-back and the whole calculation, in several
// locales and both modes: no crash, no undefined behaviour, and every box text one a box can
// show truthfully.
#include "calculation.h"
#include "regionalsettings.h"
#include "runtimeerror.h"
#include "val.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace freefall;

namespace {

const RegionalSettings &regionalFor(std::uint8_t selector)
{
    static const RegionalSettings settings[] = {
        RegionalSettings(QLocale::c()),
        RegionalSettings(QLocale(QStringLiteral("en_US"))),
        RegionalSettings(QLocale(QStringLiteral("de_DE"))),
        RegionalSettings(QLocale(QStringLiteral("fr_FR"))),
        RegionalSettings(QLocale(QStringLiteral("hi_IN"))),
    };
    return settings[selector % std::size(settings)];
}

[[noreturn]] void fail(const char *what, const QString &text)
{
    std::fprintf(stderr, "property violated: %s for [%s]\n", what, text.toUtf8().constData());
    std::abort();
}

void checkBoxText(const QString &text, const RegionalSettings &regional, const QString &input)
{
    if (text.isEmpty() || text.size() > kBoxMaxLength)
        fail("box text empty or longer than the box", input);
    if (text.contains(u"inf", Qt::CaseInsensitive) || text.contains(u"nan", Qt::CaseInsensitive))
        fail("non-finite text in a box", input);
    const double back = regional.toDouble(text); // throws, and so aborts, if not a number
    if (!std::isfinite(back))
        fail("box text reads back as non-finite", input);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t selector = data[0];
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1),
                                           static_cast<qsizetype>(size - 1));
    const RegionalSettings &regional = regionalFor(selector);

    // The number rules on their own, on texts of any length.
    try {
        if (!std::isfinite(Val(text)))
            fail("Val returned a non-finite value", text);
    } catch (const RuntimeError &) {
    }
    try {
        (void)regional.toDouble(text);
    } catch (const RuntimeError &) {
    }

    // The whole calculation, on what a box can hold.
    const QString typed = text.left(kBoxMaxLength);
    const UnitMode mode = (selector & 0x80) ? UnitMode::Metric : UnitMode::Imperial;
    const Verdict verdict = mode == UnitMode::Imperial ? calculate(mode, typed, {}, regional)
                                                       : calculate(mode, {}, typed, regional);
    if (verdict.writeCount < 0 || verdict.writeCount > 3)
        fail("impossible write count", typed);
    for (int i = 0; i < verdict.writeCount; ++i)
        checkBoxText(verdict.writes[static_cast<std::size_t>(i)].text, regional, typed);

    double speed = 0;
    bool valOverflow = false;
    try {
        speed = Val(typed);
    } catch (const RuntimeError &) {
        valOverflow = true;
    }
    switch (verdict.outcome) {
    case Verdict::Outcome::Clear:
        if (valOverflow || speed > 0)
            fail("cleared a positive speed", typed);
        break;
    case Verdict::Outcome::Show:
        if (verdict.writeCount != 3 || !(speed > 0))
            fail("showed without three writes of a positive speed", typed);
        break;
    case Verdict::Outcome::Stop:
        if (verdict.writeCount > 2)
            fail("stopped after the last write", typed);
        break;
    }
    return 0;
}
