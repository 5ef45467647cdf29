#include "CursorTable.h"
#include "Dispatch.h"
#include "TPanel.h"
#include "TShape.h"
#include "TStaticText.h"
#include "TStatusBar.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

namespace {

class Recorder : public TMessageTarget
{
public:
    int received = -1;

protected:
    void DefaultHandler(TMessage &message) override { received = message.Msg; }
};

QImage grabbed(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dispatchHandsTheRecordToDefaultHandler();
    void shapeDefaultsAreSolidWhiteWithBlackOutline();
    void clearShapePaintsNothing();
    void panelDrawsRaisedOuterAndLoweredInnerBevel();
    void cursorNumbersFollowTheTable();
    void statusBarPanelSpansTheBar();
};

void TestPlatform::dispatchHandsTheRecordToDefaultHandler()
{
    Recorder recorder;
    TMessage message { 1500, 1, 2, 3 };
    recorder.Dispatch(message);
    QCOMPARE(recorder.received, 1500);
}

void TestPlatform::shapeDefaultsAreSolidWhiteWithBlackOutline()
{
    TShape shape;
    QCOMPARE(shape.shape(), TShape::stRectangle);
    QCOMPARE(shape.brushStyle(), TShape::bsSolid);
    QCOMPARE(shape.brushColor(), QColor(Qt::white));
    QCOMPARE(shape.penStyle(), TShape::psSolid);
    QCOMPARE(shape.penColor(), QColor(Qt::black));

    shape.resize(20, 10);
    const QImage image = grabbed(shape);
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black));
    QCOMPARE(image.pixelColor(19, 9), QColor(Qt::black));
    QCOMPARE(image.pixelColor(10, 5), QColor(Qt::white));
}

void TestPlatform::clearShapePaintsNothing()
{
    QWidget ground;
    ground.resize(20, 10);
    ground.setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(10, 200, 10));
    ground.setPalette(palette);
    auto *shape = new TShape(&ground);
    shape->resize(20, 10);
    shape->setBrushColor(QColor(192, 192, 192));
    shape->setPenStyle(TShape::psClear);
    QImage image = grabbed(ground);
    QCOMPARE(image.pixelColor(0, 0), QColor(192, 192, 192)); // no outline: fill to the edge
    shape->setBrushStyle(TShape::bsClear);
    image = grabbed(ground);
    QCOMPARE(image.pixelColor(10, 5), QColor(10, 200, 10));
}

void TestPlatform::panelDrawsRaisedOuterAndLoweredInnerBevel()
{
    TPanel panel;
    panel.resize(40, 30);
    panel.setBevelInner(TPanel::bvLowered);
    const QColor light = panel.palette().color(QPalette::Light);
    const QColor dark = panel.palette().color(QPalette::Dark);
    QVERIFY(light != dark);
    const QImage image = grabbed(panel);
    QCOMPARE(image.pixel(10, 0), light.rgb());  // outer ring, top
    QCOMPARE(image.pixel(10, 29), dark.rgb());  // outer ring, bottom
    QCOMPARE(image.pixel(10, 1), dark.rgb());   // inner ring, top
    QCOMPARE(image.pixel(10, 28), light.rgb()); // inner ring, bottom
    QCOMPARE(image.pixel(20, 15), panel.palette().color(QPalette::Button).rgb());
}

void TestPlatform::cursorNumbersFollowTheTable()
{
    QWidget window;
    auto *button = new QPushButton(&window);
    auto *label = new QLabel(&window);
    auto *text = new TStaticText(&window);
    auto *edit = new QLineEdit(&window);
    setCursorNumber(&window, 2);
    setCursorNumber(button, 2);

    // Number 2 without a cursor installed: every control shows its default.
    Screen::clearCursors();
    applyCursorNumbers(&window);
    QCOMPARE(button->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(text->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(edit->cursor().shape(), Qt::IBeamCursor);

    QPixmap picture(32, 32);
    picture.fill(Qt::red);
    Screen::installCursor(2, QCursor(picture, 0, 0));
    applyCursorNumbers(&window);
    QCOMPARE(button->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(window.cursor().shape(), Qt::BitmapCursor);
    QVERIFY(!label->testAttribute(Qt::WA_SetCursor)); // takes its parent's
    QCOMPARE(label->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(text->cursor().shape(), Qt::ArrowCursor); // a control of its own
    QCOMPARE(edit->cursor().shape(), Qt::IBeamCursor);
    Screen::clearCursors();
}

void TestPlatform::statusBarPanelSpansTheBar()
{
    QWidget window;
    window.resize(300, 100);
    auto *bar = new TStatusBar(&window);
    bar->setGeometry(0, 81, 300, 19);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    bar->setPanelText(0, QStringLiteral("Printing Scale..."));
    QCOMPARE(bar->panelText(0), QStringLiteral("Printing Scale..."));
    const auto *panel = bar->findChild<QLabel *>(QStringLiteral("Panel0"));
    QVERIFY(panel);
    QVERIFY(panel->width() > 200);
    QVERIFY(bar->isSizeGripEnabled());
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
