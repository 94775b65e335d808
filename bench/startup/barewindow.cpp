// The calculator's window as Qt alone would build it: the same controls, fonts and geometry,
// no handlers, no number rules, no icon. Prints "shown" after its first paint when
// FREEFALL_REPORT_SHOWN is set, exactly as freefall does.
#include "app/qt/shownreporter.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cstdio>

namespace {

QFont font(double points, bool bold)
{
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(
        QStringLiteral(" Gravity Stopping Distance Calculator         x.example"));
    window.menuBar()
        ->addMenu(QStringLiteral("&Help"))
        ->addAction(QStringLiteral("&Stopping Distance Info"));
    auto *client = new QWidget(&window);
    client->setFixedSize(527, 252);
    window.setCentralWidget(client);

    const struct
    {
        const char *caption;
        QRect rect;
        double points;
        bool bold;
    } labels[] = {
        {"Gravity Stopping Distance Calculator", {103, 16, 321, 25}, 13.5, false},
        {"Initial Velocity:", {56, 112, 105, 21}, 9.75, true},
        {"Gravity Stopping Distance:", {56, 144, 117, 33}, 9.75, true},
        {"FPM", {284, 112, 33, 21}, 9.75, true},
        {"IN", {284, 156, 17, 21}, 9.75, true},
        {"MPS", {432, 112, 33, 21}, 9.75, true},
        {"MM", {432, 156, 25, 21}, 9.75, true},
    };
    for (const auto &l : labels) {
        auto *label = new QLabel(QString::fromLatin1(l.caption), client);
        label->setGeometry(l.rect);
        label->setFont(font(l.points, l.bold));
        label->setWordWrap(true);
    }
    for (const QRect &rect : {QRect(180, 104, 97, 28), QRect(180, 148, 97, 28),
                              QRect(334, 104, 93, 28), QRect(334, 148, 93, 28)}) {
        auto *edit = new QLineEdit(client);
        edit->setGeometry(rect);
        edit->setFont(font(12, true));
        edit->setMaxLength(9);
    }
    for (const auto &[caption, rect] : {std::pair{"&Calculate", QRect(186, 196, 85, 37)},
                                        std::pair{"C&lear", QRect(338, 196, 85, 37)}}) {
        auto *button = new QPushButton(QString::fromLatin1(caption), client);
        button->setGeometry(rect);
        button->setFont(font(9.75, true));
    }
    for (const auto &[caption, rect] : {std::pair{"&Imperial", QRect(188, 68, 81, 17)},
                                        std::pair{"&Metric", QRect(344, 68, 73, 17)}}) {
        auto *option = new QRadioButton(QString::fromLatin1(caption), client);
        option->setGeometry(rect);
        option->setFont(font(9.75, true));
    }
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);

    if (qEnvironmentVariableIsSet("FREEFALL_REPORT_SHOWN"))
        window.installEventFilter(new freefall::ShownReporter(&window));
    window.show();
    return app.exec();
}
