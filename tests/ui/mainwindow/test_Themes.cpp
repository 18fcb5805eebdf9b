// The window on a light and on a dark palette: its texts and marks take the
// palette's colours, so they read on either.

#include "WindowTestSupport.h"
#include "wholecube/ColorPalette.h"

#include <QLabel>
#include <QtTest>

using namespace turnix;
using namespace turnix::test;

namespace {

double Luminance(const QColor& color) {
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
           0.0722 * linear(color.blueF());
}

// As the web's accessibility guidelines measure it: 1 (none) to 21.
double Contrast(const QColor& a, const QColor& b) {
    const double first = Luminance(a);
    const double second = Luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QPalette Dark() {
    QPalette dark(QColor(0x30, 0x30, 0x30), QColor(0x25, 0x25, 0x25));
    dark.setColor(QPalette::Link, QColor(0x4f, 0xa3, 0xf7));
    return dark;
}

} // namespace

Q_DECLARE_METATYPE(QPalette)

class TestThemes : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QApplication::setPalette(QPalette()); }

    void textsAndMarksReadOnThePalette_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("light") << QPalette(Qt::white, QColor(0xef, 0xef, 0xef));
        QTest::newRow("dark") << Dark();
    }

    void textsAndMarksReadOnThePalette() {
        QFETCH(QPalette, palette);
        QApplication::setPalette(palette);
        Session s;
        frmTurnix& window = s.Start();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QColor background = window.palette().color(QPalette::Window);
        for (const char* name : {"lblNorth", "lblWest", "lblEast", "lblSouth"}) {
            const auto& label = Child<QLabel>(window, name);
            const QColor text = label.palette().color(label.foregroundRole());
            QVERIFY2(Contrast(text, background) >= 3.0,
                     qPrintable(text.name() + background.name()));
        }

        // The palette's focus mark shows against the panel.
        auto& swatches = Child<ColorPalette>(window, "WholeCubePalette");
        const QImage resting = swatches.grab().toImage();
        swatches.setFocus(Qt::TabFocusReason);
        const QImage focused = swatches.grab().toImage();
        const QColor corner = focused.pixelColor(1, 1);
        QVERIFY(resting.pixelColor(1, 1) != corner);
        QVERIFY(Contrast(corner, background) >= 1.5);
    }
};

QTEST_MAIN(TestThemes)
#include "test_Themes.moc"
