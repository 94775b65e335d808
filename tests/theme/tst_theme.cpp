// Every text of the window reads against what it is drawn on, measured from the window's own
// pixels in a light theme, dark themes and high-contrast themes; in the light theme the designed
// colours show unchanged, and a theme changed while the window is open is followed. The rule
// those colours come from is tested with the core (tests/colour).
#include "app/qt/frmfreefall.h"
#include "runtime/qt/regional/qtregionalsettings.h"

#include <QApplication>
#include <QDir>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTest>

#include <cmath>
#include <memory>

using freefall::frmFreefall;

namespace {

// Relative luminance and contrast ratio as WCAG 2 defines them, written out here apart from the
// program's own so that a fault there cannot hide itself.
double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(QRgb rgb)
{
    return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct Measured
{
    QRgb background;
    QRgb text;
    double ratio;
};

// The background is the region's commonest colour. The text is the commonest of the pixels that
// stand out from it nearly as far as the farthest one: the glyphs' fully covered pixels, not the
// edges that blend towards the background.
Measured measure(const QImage &image, const QRect &region)
{
    QHash<QRgb, int> counts;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            ++counts[image.pixel(x, y) & RGB_MASK];
    const auto commonest = [&](auto &&accept) {
        QRgb found = 0;
        int most = 0;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            if (it.value() > most && accept(it.key()))
                most = it.value(), found = it.key();
        return found;
    };
    const QRgb background = commonest([](QRgb) { return true; });
    double farthest = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        farthest = std::max(farthest, contrast(it.key(), background));
    const double near = 1.0 + (farthest - 1.0) * 0.75;
    const QRgb text = commonest([&](QRgb c) { return contrast(c, background) >= near; });
    return {background, text, contrast(text, background)};
}

QString hex(QRgb rgb)
{
    return QColor(rgb).name();
}

enum class Theme
{
    Light,
    FusionDark,
    AdwaitaDark,
    HighContrastBlack,
    HighContrastWhite
};

// A theme's colours where text is drawn; Qt derives the bevels' shades from the window colour.
struct ThemeColours
{
    QRgb window;
    QRgb windowText;
    QRgb base;
    QRgb text;
    QRgb highlight;
    QRgb disabledText;
};

QPalette paletteOf(const ThemeColours &c)
{
    QPalette palette{QColor(c.window)};
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(role, QColor(c.windowText));
    palette.setColor(QPalette::Base, QColor(c.base));
    palette.setColor(QPalette::Text, QColor(c.text));
    palette.setColor(QPalette::Highlight, QColor(c.highlight));
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(QPalette::Disabled, role, QColor(c.disabledText));
    return palette;
}

QPalette themePalette(Theme theme)
{
    switch (theme) {
    case Theme::Light:
        return QApplication::style()->standardPalette();
    case Theme::FusionDark: // the dark palette commonly given to Fusion
        return paletteOf({0x353535, 0xffffff, 0x2a2a2a, 0xffffff, 0x2a82da, 0x7f7f7f});
    case Theme::AdwaitaDark: // as Qt's GTK platform theme reports GTK_THEME=Adwaita:dark
        return paletteOf({0x323232, 0xf0f0f0, 0x242424, 0xf0f0f0, 0x308cc6, 0x828282});
    case Theme::HighContrastBlack:
        return paletteOf({0x000000, 0xffffff, 0x000000, 0xffffff, 0x1aebff, 0x3ff23f});
    case Theme::HighContrastWhite:
        return paletteOf({0xffffff, 0x000000, 0xffffff, 0x000000, 0x37006e, 0x600000});
    }
    return {};
}

// The three looks the window takes: at start (the feet-per-minute box in the standard colour),
// in Metric mode, and back in Imperial mode (that box now explicitly white).
enum class State
{
    Imperial,
    Metric,
    ImperialAgain
};

const QStringList kTextControls = {
    u"txtImperialSpeed"_qs, u"txtMetricSpeed"_qs, u"txtStopInches"_qs, u"txtStopMillimeters"_qs,
    u"optImperial"_qs,      u"optMetric"_qs,      u"cmdCalculate"_qs,  u"cmdClear"_qs,
    u"Label1"_qs,           u"Label4"_qs,         u"Label5"_qs,        u"Label6"_qs,
    u"Label7"_qs,           u"Label8"_qs,         u"Label9"_qs};

} // namespace

Q_DECLARE_METATYPE(Theme)
Q_DECLARE_METATYPE(State)

class TestTheme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void everyTextReads_data();
    void everyTextReads();
    void lightThemeShowsTheDesign_data();
    void lightThemeShowsTheDesign();
    void followsThemeChangedWhileOpen();

private:
    void open(Theme theme);
    void reach(State state);
    QImage grabWithoutCaret();
    QStringList legibilityFaults(const QImage &image);
    QRect textRegion(const QWidget *control) const;
    Measured measureControl(const QImage &image, const QString &name) const;

    template <typename T = QWidget> T *control(const QString &name) const
    {
        T *widget = window_->findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }

    freefall::QtRegionalSettings regional_{QLocale::c()};
    std::unique_ptr<frmFreefall> window_;
};

void TestTheme::initTestCase()
{
    // The platform themes differ between machines; the palettes below are the themes here.
    QApplication::setStyle(QStyleFactory::create(u"Fusion"_qs));
}

void TestTheme::cleanup()
{
    window_.reset();
    QApplication::setPalette(themePalette(Theme::Light));
}

void TestTheme::open(Theme theme)
{
    QApplication::setPalette(themePalette(theme));
    window_ = std::make_unique<frmFreefall>(regional_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void TestTheme::reach(State state)
{
    auto *fpm = control<QLineEdit>(u"txtImperialSpeed"_qs);
    auto *mps = control<QLineEdit>(u"txtMetricSpeed"_qs);
    switch (state) {
    case State::Imperial:
        QTest::keyClicks(fpm, u"1000"_qs);
        QTest::keyClick(fpm, Qt::Key_Return);
        break;
    case State::Metric:
        control<QRadioButton>(u"optMetric"_qs)->click();
        QTest::keyClicks(mps, u"50"_qs);
        QTest::keyClick(mps, Qt::Key_Return);
        break;
    case State::ImperialAgain:
        control<QRadioButton>(u"optMetric"_qs)->click();
        control<QRadioButton>(u"optImperial"_qs)->click();
        QTest::keyClicks(fpm, u"1000"_qs);
        QTest::keyClick(fpm, Qt::Key_Return);
        break;
    }
    for (const QString &name : {u"txtImperialSpeed"_qs, u"txtMetricSpeed"_qs, u"txtStopInches"_qs,
                                u"txtStopMillimeters"_qs})
        QVERIFY2(!control<QLineEdit>(name)->text().isEmpty(), qPrintable(name));
}

// Without the caret, which Qt draws by inverting what is under it.
QImage TestTheme::grabWithoutCaret()
{
    if (QWidget *focused = QApplication::focusWidget())
        focused->clearFocus();
    return window_->grab().toImage();
}

// Where each control draws its text, inside any frame, bevel or indicator of the style.
QRect TestTheme::textRegion(const QWidget *widget) const
{
    QRect local = widget->rect();
    if (auto *option = qobject_cast<const QRadioButton *>(widget)) {
        QStyleOptionButton opt;
        opt.initFrom(option);
        opt.text = option->text();
        local = option->style()->subElementRect(QStyle::SE_RadioButtonContents, &opt, option);
    } else if (auto *button = qobject_cast<const QPushButton *>(widget)) {
        QStyleOptionButton opt;
        opt.initFrom(button);
        opt.text = button->text();
        local = button->style()
                    ->subElementRect(QStyle::SE_PushButtonContents, &opt, button)
                    .adjusted(2, 2, -2, -2);
    } else if (qobject_cast<const QLineEdit *>(widget)) {
        local = local.adjusted(4, 4, -4, -4);
    }
    return QRect(widget->mapTo(window_.get(), local.topLeft()), local.size());
}

Measured TestTheme::measureControl(const QImage &image, const QString &name) const
{
    return measure(image, textRegion(control(name)));
}

// Each text at 4.5 to 1 or more; the selected mode's caption, marked by its colour beside the
// checked indicator, at 3 to 1 (what the design's red has on the light button face) and still
// red, the other caption not red. The figures are printed; on a fault the window is saved.
QStringList TestTheme::legibilityFaults(const QImage &image)
{
    QStringList faults;
    for (const QString &name : kTextControls) {
        const Measured m = measureControl(image, name);
        const auto *option = qobject_cast<const QRadioButton *>(control(name));
        const bool marked = option && option->isChecked();
        const QString figure = u"%1: %2 on %3, %4 to 1"_qs.arg(name, hex(m.text), hex(m.background),
                                                               QString::number(m.ratio, 'f', 2));
        qInfo("%s", qPrintable(figure));
        if (m.ratio < (marked ? 3.0 : 4.5))
            faults << figure;
        if (option) {
            const QColor text(m.text);
            const bool red =
                (text.hsvHue() <= 10 || text.hsvHue() >= 350) && text.hsvSaturation() >= 128;
            if (red != marked)
                faults << figure + (marked ? u" (the mark is not red)"_qs : u" (red unmarked)"_qs);
        }
    }
    if (!faults.isEmpty()) {
        const QString shot = QDir::temp().filePath(
            u"tst_theme-%1-%2.png"_qs.arg(QString::fromLatin1(QTest::currentTestFunction()),
                                          QString::fromLatin1(QTest::currentDataTag())
                                              .replace(QRegularExpression(u"\\W+"_qs), u"-"_qs)));
        image.save(shot);
        faults << u"window saved as "_qs + shot;
    }
    return faults;
}

void TestTheme::everyTextReads_data()
{
    QTest::addColumn<Theme>("theme");
    QTest::addColumn<State>("state");
    const std::pair<const char *, Theme> themes[] = {
        {"light", Theme::Light},
        {"Fusion dark", Theme::FusionDark},
        {"Adwaita-dark", Theme::AdwaitaDark},
        {"high contrast black", Theme::HighContrastBlack},
        {"high contrast white", Theme::HighContrastWhite}};
    const std::pair<const char *, State> states[] = {{"imperial", State::Imperial},
                                                     {"metric", State::Metric},
                                                     {"imperial again", State::ImperialAgain}};
    for (const auto &[themeName, theme] : themes)
        for (const auto &[stateName, state] : states)
            QTest::addRow("%s, %s", themeName, stateName) << theme << state;
}

void TestTheme::everyTextReads()
{
    QFETCH(Theme, theme);
    QFETCH(State, state);
    open(theme);
    reach(state);
    const QStringList faults = legibilityFaults(grabWithoutCaret());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

// The design's own colours, pixel for pixel: black text on the white and yellow boxes, the
// selected caption pure red and the other black on the light button face.
void TestTheme::lightThemeShowsTheDesign_data()
{
    QTest::addColumn<State>("state");
    QTest::addColumn<QStringList>("yellowBoxes");
    QTest::addColumn<QString>("whiteBox");
    QTest::addColumn<QString>("redCaption");
    QTest::addColumn<QString>("blackCaption");
    QTest::newRow("imperial") << State::Imperial
                              << QStringList{u"txtMetricSpeed"_qs, u"txtStopInches"_qs,
                                             u"txtStopMillimeters"_qs}
                              << u"txtImperialSpeed"_qs << u"optImperial"_qs << u"optMetric"_qs;
    QTest::newRow("metric") << State::Metric
                            << QStringList{u"txtImperialSpeed"_qs, u"txtStopInches"_qs,
                                           u"txtStopMillimeters"_qs}
                            << u"txtMetricSpeed"_qs << u"optMetric"_qs << u"optImperial"_qs;
    QTest::newRow("imperial again")
        << State::ImperialAgain
        << QStringList{u"txtMetricSpeed"_qs, u"txtStopInches"_qs, u"txtStopMillimeters"_qs}
        << u"txtImperialSpeed"_qs << u"optImperial"_qs << u"optMetric"_qs;
}

void TestTheme::lightThemeShowsTheDesign()
{
    QFETCH(State, state);
    QFETCH(QStringList, yellowBoxes);
    QFETCH(QString, whiteBox);
    QFETCH(QString, redCaption);
    QFETCH(QString, blackCaption);
    open(Theme::Light);
    reach(state);
    const QImage image = grabWithoutCaret();
    const QRgb face = themePalette(Theme::Light).color(QPalette::Window).rgb() & RGB_MASK;
    const auto expect = [&](const QString &name, QRgb text, QRgb background) {
        const Measured m = measureControl(image, name);
        QVERIFY2(m.text == text && m.background == background,
                 qPrintable(u"%1: %2 on %3"_qs.arg(name, hex(m.text), hex(m.background))));
    };
    for (const QString &name : yellowBoxes)
        expect(name, 0x000000, 0xffff00);
    // At start the input box has the theme's standard colour, white in this theme.
    expect(whiteBox, 0x000000, 0xffffff);
    expect(redCaption, 0xff0000, face);
    expect(blackCaption, 0x000000, face);
}

// A desktop switched to a dark theme and back while the window is open.
void TestTheme::followsThemeChangedWhileOpen()
{
    open(Theme::Light);
    reach(State::ImperialAgain);
    const QImage light = grabWithoutCaret();

    QApplication::setPalette(themePalette(Theme::FusionDark));
    QApplication::processEvents();
    const QStringList faults = legibilityFaults(grabWithoutCaret());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));

    QApplication::setPalette(themePalette(Theme::Light));
    QApplication::processEvents();
    QCOMPARE(grabWithoutCaret(), light);
}

QTEST_MAIN(TestTheme)
#include "tst_theme.moc"
