#include "Music.h"

#include <QEvent>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

namespace {

TMarkerMessage record(int msg, int wParam, int lParam, int result)
{
    return TMarkerMessage { msg, wParam, lParam, result };
}

enum class Look
{
    Hidden,
    White,
    Navy,
    Black
};

template <class Marker> Look lookOf(const Marker &marker)
{
    if (marker.brushStyle() == TShape::bsClear && marker.penStyle() == TShape::psClear)
        return Look::Hidden;
    if (marker.brushColor() == markerNavy)
        return Look::Navy;
    if (marker.brushColor() == QColor(Qt::black))
        return Look::Black;
    return Look::White;
}

// Counts the paints a widget receives.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// The marker painted over a grey ground, as a user would see it.
QImage picture(QWidget &marker)
{
    QWidget ground;
    ground.setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(100, 100, 100));
    ground.setPalette(palette);
    ground.resize(marker.size());
    marker.setParent(&ground);
    marker.move(0, 0);
    const QImage image = ground.grab().toImage().convertToFormat(QImage::Format_RGB32);
    marker.setParent(nullptr);
    return image;
}

} // namespace

Q_DECLARE_METATYPE(Look)

class TestMusic : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void transposeStepsWithWrapAround_data();
    void transposeStepsWithWrapAround();
    void musicShowFormsTakeEffectOrAreIgnored_data();
    void musicShowFormsTakeEffectOrAreIgnored();
    void noteShowFormsTakeEffectOrAreIgnored_data();
    void noteShowFormsTakeEffectOrAreIgnored();
    void hideKeepsNoteAndFillColour();
    void neighbouringMessageNumbersAreIgnored_data();
    void neighbouringMessageNumbersAreIgnored();
    void oneRecordServesManyMarkers();
    void hiddenMusicStillRaisesDoubleClick();
    void writingTheSameNoteCausesNoRefresh();
    void looksAsPainted();
    void roundSquareDiffersFromCircle();
};

void TestMusic::transposeStepsWithWrapAround_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("to");
    QTest::newRow("by 0") << 5 << 0 << 5;
    QTest::newRow("11 up 1") << 11 << 1 << 0;
    QTest::newRow("0 down 1") << 0 << -1 << 11;
    QTest::newRow("0 down 13") << 0 << -13 << 11;
    QTest::newRow("11 up 25") << 11 << 25 << 0;
    QTest::newRow("7 down 10") << 7 << -10 << 9;
    QTest::newRow("7 up 2") << 7 << 2 << 9;
    QTest::newRow("13 up 1 does not wrap") << 13 << 1 << 14;
    QTest::newRow("13 down 1 lands on 12") << 13 << -1 << 0;
    QTest::newRow("-3 up 1") << -3 << 1 << -2;
}

void TestMusic::transposeStepsWithWrapAround()
{
    QFETCH(int, from);
    QFETCH(int, steps);
    QFETCH(int, to);
    TMusic music;
    TNote note;
    music.setNote(from);
    note.setNote(from);
    auto message = record(msgTranspose, steps, steps, 0);
    music.Dispatch(message);
    note.Dispatch(message);
    QCOMPARE(music.Note(), to);
    QCOMPARE(note.Note(), to);
    QCOMPARE(lookOf(music), Look::White); // the look is unchanged
}

void TestMusic::musicShowFormsTakeEffectOrAreIgnored_data()
{
    QTest::addColumn<int>("note");
    QTest::addColumn<int>("wParam");
    QTest::addColumn<int>("lParam");
    QTest::addColumn<int>("result");
    QTest::addColumn<Look>("look");
    QTest::newRow("plain, marked") << 3 << 3 << 3 << 0 << Look::Navy;
    QTest::newRow("plain, not marked") << 3 << 3 << 12 << 0 << Look::White;
    QTest::newRow("key form, key") << 3 << 12 << 1 << 15 << Look::Navy;
    QTest::newRow("key form, other pitch") << 4 << 12 << 1 << 15 << Look::White;
    QTest::newRow("key form, result below 12") << 0 << 12 << 1 << 11 << Look::White;
    QTest::newRow("key form, result 1") << 1 << 12 << 1 << 1 << Look::White;
    QTest::newRow("negative result") << 3 << 3 << 3 << -1 << Look::Hidden;
    QTest::newRow("key form, lParam not 1") << 3 << 12 << 2 << 15 << Look::Hidden;
}

void TestMusic::musicShowFormsTakeEffectOrAreIgnored()
{
    QFETCH(int, note);
    QFETCH(int, wParam);
    QFETCH(int, lParam);
    QFETCH(int, result);
    QFETCH(Look, look);
    TMusic marker;
    marker.setNote(note);
    auto hide = record(msgHide, 0, 0, 0);
    marker.Dispatch(hide);
    auto show = record(msgShow, wParam, lParam, result);
    marker.Dispatch(show);
    QCOMPARE(lookOf(marker), look);
}

void TestMusic::noteShowFormsTakeEffectOrAreIgnored_data()
{
    QTest::addColumn<int>("wParam");
    QTest::addColumn<int>("lParam");
    QTest::addColumn<int>("result");
    QTest::addColumn<Look>("look");
    QTest::newRow("open show") << 12 << 1 << 0 << Look::White;
    QTest::newRow("muted show") << 1 << 1 << 0 << Look::Black;
    QTest::newRow("key form ignored") << 12 << 1 << 15 << Look::Hidden;
    QTest::newRow("negative result ignored") << 1 << 1 << -5 << Look::Hidden;
}

void TestMusic::noteShowFormsTakeEffectOrAreIgnored()
{
    QFETCH(int, wParam);
    QFETCH(int, lParam);
    QFETCH(int, result);
    QFETCH(Look, look);
    TNote marker;
    auto hide = record(msgHide, 0, 0, 0);
    marker.Dispatch(hide);
    auto show = record(msgShow, wParam, lParam, result);
    marker.Dispatch(show);
    QCOMPARE(lookOf(marker), look);
}

void TestMusic::hideKeepsNoteAndFillColour()
{
    TMusic music;
    music.setNote(9);
    auto navy = record(msgShow, 9, 9, 0);
    music.Dispatch(navy);
    const QRect place = music.geometry();
    auto hide = record(msgHide, 0, 0, 0);
    music.Dispatch(hide);
    QCOMPARE(lookOf(music), Look::Hidden);
    QCOMPARE(music.Note(), 9);
    QCOMPARE(music.brushColor(), markerNavy);
    QCOMPARE(music.geometry(), place);

    // A later plain show that does not mark it makes it white again.
    auto plain = record(msgShow, 9, 12, 0);
    music.Dispatch(plain);
    QCOMPARE(lookOf(music), Look::White);

    TNote note;
    auto muted = record(msgShow, 1, 1, 0);
    note.Dispatch(muted);
    QCOMPARE(lookOf(note), Look::Black);
    auto open = record(msgShow, 12, 1, 0);
    note.Dispatch(open);
    QCOMPARE(lookOf(note), Look::White);
}

void TestMusic::neighbouringMessageNumbersAreIgnored_data()
{
    QTest::addColumn<int>("msg");
    QTest::newRow("1423") << 1423;
    QTest::newRow("1427") << 1427;
    QTest::newRow("0") << 0;
}

void TestMusic::neighbouringMessageNumbersAreIgnored()
{
    QFETCH(int, msg);
    TMusic music;
    TNote note;
    music.setNote(4);
    note.setNote(4);
    // Fields that would hide, show navy or transpose under the real numbers.
    auto message = record(msg, 4, 4, 0);
    music.Dispatch(message);
    note.Dispatch(message);
    QCOMPARE(music.Note(), 4);
    QCOMPARE(note.Note(), 4);
    QCOMPARE(lookOf(music), Look::White);
    QCOMPARE(lookOf(note), Look::White);
}

void TestMusic::oneRecordServesManyMarkers()
{
    TMusic first, second;
    first.setNote(2);
    second.setNote(11);
    auto message = record(msgTranspose, 3, 3, 0);
    first.Dispatch(message);
    second.Dispatch(message);
    QCOMPARE(first.Note(), 5);
    QCOMPARE(second.Note(), 2);
    QCOMPARE(message.Msg, msgTranspose);
    QCOMPARE(message.WParam, 3);
    QCOMPARE(message.LParam, 3);
    QCOMPARE(message.Result, 0);
}

void TestMusic::hiddenMusicStillRaisesDoubleClick()
{
    QWidget parent;
    auto *marker = new TMusic(&parent);
    marker->setGeometry(10, 10, 25, 9);
    auto hide = record(msgHide, 0, 0, 0);
    marker->Dispatch(hide);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));

    TMusic *clicked = nullptr;
    marker->OnDblClick = [&clicked](TMusic *sender) { clicked = sender; };
    // The edge of a wide marker, outside its dot, belongs to it too.
    QTest::mouseDClick(marker, Qt::LeftButton, {}, QPoint(1, 4));
    QCOMPARE(clicked, marker);
}

void TestMusic::writingTheSameNoteCausesNoRefresh()
{
    QWidget parent;
    parent.resize(60, 30);
    auto *marker = new TMusic(&parent);
    marker->setGeometry(10, 10, 25, 9);
    marker->setNote(5);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QCoreApplication::processEvents();

    PaintCounter counter;
    parent.installEventFilter(&counter);

    parent.update(); // a repaint is now pending
    marker->setNote(5);
    QCOMPARE(counter.paints, 0);

    marker->setNote(6);
    QCOMPARE(counter.paints, 1);
    QCOMPARE(marker->Note(), 6);
}

void TestMusic::looksAsPainted()
{
    const QColor ground(100, 100, 100);
    TMusic marker;
    marker.resize(25, 9);
    marker.setShape(TShape::stCircle);

    auto white = record(msgShow, 3, 12, 0);
    marker.Dispatch(white);
    QImage image = picture(marker);
    QCOMPARE(image.pixelColor(12, 4), QColor(Qt::white)); // centre
    QCOMPARE(image.pixelColor(12, 0), QColor(Qt::black)); // top of the outline
    QCOMPARE(image.pixelColor(2, 4), ground);             // beside the dot

    auto navy = record(msgShow, 3, 3, 0);
    marker.Dispatch(navy);
    image = picture(marker);
    QCOMPARE(image.pixelColor(12, 4), markerNavy);
    QCOMPARE(image.pixelColor(12, 0), QColor(Qt::black));

    auto hide = record(msgHide, 0, 0, 0);
    marker.Dispatch(hide);
    image = picture(marker);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(image.pixelColor(x, y), ground);
    }
}

void TestMusic::roundSquareDiffersFromCircle()
{
    const QColor ground(100, 100, 100);
    TNote square;
    square.resize(13, 9);
    square.setShape(TShape::stRoundSquare);
    TNote circle;
    circle.resize(13, 9);
    circle.setShape(TShape::stCircle);
    auto muted = record(msgShow, 1, 1, 0);
    square.Dispatch(muted);
    circle.Dispatch(muted);
    const QImage squareImage = picture(square);
    const QImage circleImage = picture(circle);

    // Both are 9 across, centred: columns 2 to 10.
    QCOMPARE(squareImage.pixelColor(1, 4), ground);
    QCOMPARE(squareImage.pixelColor(11, 4), ground);
    QCOMPARE(squareImage.pixelColor(6, 4), QColor(Qt::black));
    // The top edge next to the corner: inside the rounded square, outside the circle.
    QCOMPARE(squareImage.pixelColor(3, 0), QColor(Qt::black));
    QCOMPARE(circleImage.pixelColor(3, 0), ground);
    // The very corner is cut off both; the square is the same at every corner.
    QCOMPARE(squareImage.pixelColor(2, 0), ground);
    QCOMPARE(squareImage.pixelColor(10, 8), ground);
    QCOMPARE(squareImage.pixelColor(9, 8), QColor(Qt::black));
    QCOMPARE(squareImage.pixelColor(2, 7), QColor(Qt::black));
}

QTEST_MAIN(TestMusic)
#include "tst_music.moc"
