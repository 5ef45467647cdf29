// The main window through the real window: start-up state, the controls and
// menus, the sizing rule, the guitar cursor, the About box and the look.

#include "CursorTable.h"
#include "FretlarkTesting.h"
#include "Music.h"
#include "TPanel.h"
#include "TStatusBar.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSizeGrip>
#include <QTest>
#include <QTimer>

// The resource macros must stand outside any namespace.
static void dropCursorResource()
{
    Q_CLEANUP_RESOURCE(fretlark_cursors);
}

static void restoreCursorResource()
{
    Q_INIT_RESOURCE(fretlark_cursors);
}

namespace {

constexpr QSize defaultClient { 638, 434 };

QWidget *control(TfrmGuitar &window, const QString &name)
{
    if (name == QLatin1String("window"))
        return &window;
    return window.findChild<QWidget *>(name);
}

QImage grabbed(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QColor pixel(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

// A colour as a pixel holds it, to compare with grabbed pixels.
QColor plain(const QColor &colour)
{
    return QColor(colour.rgb());
}

QStringList itemsOf(const QComboBox *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

// Everything a user would notice changing on the main window.
QStringList stateOf(TfrmGuitar &window)
{
    QStringList state;
    state << QString::number(window.width()) << QString::number(window.height())
          << QString::number(window.ui.PanelScale->width())
          << QString::number(window.ui.DefaultScreenSize1->isChecked());
    for (QLineEdit *edit : window.findChildren<QLineEdit *>())
        state << edit->objectName() + QLatin1Char('=') + edit->text();
    for (QComboBox *list : window.findChildren<QComboBox *>())
        state << list->objectName() + QLatin1Char('=') + QString::number(list->currentIndex());
    for (TShape *shape : window.findChildren<TShape *>())
        state << shape->objectName() + QLatin1Char('=') + QString::number(shape->brushStyle())
                + shape->brushColor().name();
    return state;
}

const QColor teal(0, 128, 128);
const QColor navy(0, 0, 128);
const QColor silver(192, 192, 192);

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsEmptyInStandardTuning();
    void controlsSitWhereDesigned_data();
    void controlsSitWhereDesigned();
    void fontsAndTextColours_data();
    void fontsAndTextColours();
    void listsHoldTheirItems();
    void tabOrderFollowsTheDesign();
    void menusAsDesigned();
    void statusBarSpansTheBottom();
    void centredOnTheScreen();
    void resizingFollowsTheWidth_data();
    void resizingFollowsTheWidth();
    void maximisingFollowsTheSameRule();
    void defaultScreenSizeRestores();
    void defaultScreenSizeAtDefaultSizeChangesNothing();
    void draggingBackToDefaultLeavesTheMarkOff();
    void guitarCursorOnDesignedControls_data();
    void guitarCursorOnDesignedControls();
    void arrowOnOtherControls_data();
    void arrowOnOtherControls();
    void arrowEverywhereWithoutTheCursorResource();
    void aboutOpensAndClosesAgain();
    void aboutBoxAsDesigned();
    void hintsDoesNothing();
    void exitClosesTheWindow();
    void seamsBevelsAndLegendAsDrawn();
    void diagramPanelsShowTheGridPicture();
    void editBackgroundsAndBorders();
};

void TestMainWindow::startsEmptyInStandardTuning()
{
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    QCOMPARE(window.windowTitle(), QStringLiteral("Fretlark"));
    QVERIFY(window.isVisible());
    QVERIFY(!AboutForm->isVisible());
    QVERIFY(!frmRetune->isVisible());
    QVERIFY(!QApplication::windowIcon().isNull());
    QVERIFY(!window.windowIcon().isNull());

    QCOMPARE(window.ui.cmbScales->currentIndex(), -1);
    QCOMPARE(window.ui.cmbScales->currentText(), QString());
    QCOMPARE(window.ui.cmbChordKey->currentIndex(), -1);
    QCOMPARE(window.ui.cmbChordType->currentIndex(), -1);
    for (TMusic *music : window.findChildren<TMusic *>()) {
        QCOMPARE(music->brushStyle(), TShape::bsClear);
        QCOMPARE(music->penStyle(), TShape::psClear);
    }
    QCOMPARE(window.findChildren<TMusic *>().size(), 138);
    for (TNote *note : window.findChildren<TNote *>()) {
        QCOMPARE(note->brushStyle(), TShape::bsClear);
        QCOMPARE(note->penStyle(), TShape::psClear);
    }
    QCOMPARE(window.findChildren<TNote *>().size(), 90);
    for (QLineEdit *edit : window.findChildren<QLineEdit *>()) {
        if (edit != window.ui.fldTuning)
            QVERIFY2(edit->text().isEmpty(), qPrintable(edit->objectName()));
    }
    QCOMPARE(window.ui.fldTuning->text(), QStringLiteral("standard"));
    QCOMPARE(window.ui.StatusBar1->panelText(0), QString());
    QVERIFY(window.ui.DefaultScreenSize1->isChecked());
    QVERIFY(!window.ui.Hints1->isChecked());

    QCOMPARE(window.centralWidget()->size(), defaultClient);
    QCOMPARE(window.centralWidget()->mapTo(&window, QPoint(0, 0)).y(), window.menuBar()->height());
    QCOMPARE(window.ui.PanelScale->width(), 636);
    QCOMPARE(window.ui.Panel1->width(), 636);
}

void TestMainWindow::controlsSitWhereDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");

    const auto row
        = [](const char *name, const char *parent, QRect geometry, const char *caption = "") {
              QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(parent)
                                  << geometry << QString::fromUtf8(caption);
          };
    row("PanelScale", "client", { 1, 0, 636, 209 });
    row("Label11", "PanelScale", { 60, 3, 487, 13 },
        "Double-click on any string in any fret position and all notes of the selected "
        "scale/mode will be displayed.");
    row("GroupBox1", "PanelScale", { 20, 16, 125, 47 }, "Key/Note Selected");
    row("fldKey", "GroupBox1", { 32, 19, 65, 19 });
    row("GroupBox2", "PanelScale", { 146, 16, 183, 47 }, "Scale/Mode");
    row("cmbScales", "GroupBox2", { 4, 19, 175, 21 });
    row("GroupBox3", "PanelScale", { 330, 16, 275, 47 }, "Guitar Tuning");
    row("fldTuning", "GroupBox3", { 8, 19, 89, 22 }, "standard");
    row("Button1", "GroupBox3", { 100, 16, 89, 25 }, "Alternate Tuning");
    row("Button2", "GroupBox3", { 188, 16, 81, 25 }, "Reset Standard");
    row("imgGuitar", "PanelScale", { 12, 70, 615, 111 });
    row("Label7", "PanelScale", { 36, 176, 68, 13 }, "Scale Interval:");
    row("Edit2", "PanelScale", { 108, 172, 341, 19 });
    row("btnClearFrets", "PanelScale", { 460, 172, 89, 25 }, "Clear Fretboard");
    row("Shape4", "PanelScale", { 104, 195, 13, 9 });
    row("Label8", "PanelScale", { 116, 192, 71, 13 }, " = Fretted Note");
    row("Shape6", "PanelScale", { 208, 195, 13, 9 });
    row("Label10", "PanelScale", { 220, 192, 97, 13 }, " = Fretted Root Note");
    row("StatusBar1", "client", { 0, 415, 638, 19 });
    row("Panel1", "client", { 1, 210, 636, 205 });
    row("StaticText10", "Panel1", { 68, 36, 25, 17 }, "Key:");
    row("cmbChordKey", "Panel1", { 92, 32, 85, 21 });
    row("StaticText11", "Panel1", { 31, 64, 62, 17 }, "Chord Type:");
    row("cmbChordType", "Panel1", { 92, 60, 169, 21 });
    row("btnShowChord", "Panel1", { 92, 88, 75, 25 }, "Show Chords");
    row("btnClearChords", "Panel1", { 168, 88, 75, 25 }, "Clear Chords");
    row("Shape1", "Panel1", { 20, 124, 9, 13 });
    row("StaticText12", "Panel1", { 32, 124, 69, 17 }, "= Open String");
    row("Shape2", "Panel1", { 20, 144, 9, 13 });
    row("StaticText13", "Panel1", { 32, 143, 104, 17 }, "= Dead/Muted String");
    row("Shape3", "Panel1", { 20, 161, 9, 13 });
    row("StaticText14", "Panel1", { 32, 161, 75, 17 }, "= Fingered Fret");
    row("Edit1", "Panel1", { 9, 178, 20, 21 });
    row("StaticText15", "Panel1", { 32, 181, 71, 17 }, "= Fret Number");
    row("StaticText16", "Panel1", { 148, 125, 65, 17 }, "b = Flat Note");
    row("StaticText17", "Panel1", { 148, 141, 77, 17 }, "# = Sharp Note");
    row("fldChordName", "Panel1", { 384, 8, 149, 19 });
    row("Label1", "Panel1", { 292, 38, 7, 13 }, "E");
    row("Label2", "Panel1", { 292, 50, 7, 13 }, "B");
    row("Label3", "Panel1", { 292, 63, 8, 13 }, "G");
    row("Label4", "Panel1", { 292, 77, 8, 13 }, "D");
    row("Label5", "Panel1", { 292, 90, 7, 13 }, "A");
    row("Label6", "Panel1", { 292, 104, 7, 13 }, "E");
    row("Panel2", "Panel1", { 304, 28, 101, 121 });
    row("Panel5", "Panel1", { 404, 28, 101, 121 });
    row("Panel3", "Panel1", { 504, 28, 101, 121 });
    row("StaticText7", "Panel1", { 336, 152, 50, 17 }, "Position 1");
    row("StaticText8", "Panel1", { 436, 152, 50, 17 }, "Position 2");
    row("StaticText9", "Panel1", { 536, 152, 50, 17 }, "Position 3");
    row("StaticText18", "Panel1", { 316, 175, 77, 17 }, "Chord Makeup:");
    row("txtMakeup", "Panel1", { 396, 172, 165, 19 });
}

void TestMainWindow::controlsSitWhereDesigned()
{
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    QWidget *widget = control(window, name);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QVERIFY(widget->isVisible());

    if (auto *label = qobject_cast<QLabel *>(widget); label && label->pixmap().isNull()) {
        // A text may grow to the right to fit the stand-in face, and no further.
        QCOMPARE(widget->pos(), geometry.topLeft());
        QCOMPARE(widget->height(), geometry.height());
        QVERIFY(widget->width() >= geometry.width());
        QVERIFY(widget->width() <= label->fontMetrics().horizontalAdvance(label->text()) + 1
            || widget->width() == geometry.width());
        QCOMPARE(label->text(), caption);
        return;
    }
    QCOMPARE(widget->geometry(), geometry);
    if (auto *box = qobject_cast<QGroupBox *>(widget))
        QCOMPARE(box->title(), caption);
    else if (auto *button = qobject_cast<QPushButton *>(widget))
        QCOMPARE(button->text(), caption);
    else if (auto *edit = qobject_cast<QLineEdit *>(widget))
        QCOMPARE(edit->text(), caption);
}

void TestMainWindow::fontsAndTextColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("colour");
    const QColor text = QApplication::palette().color(QPalette::WindowText);
    QTest::newRow("GroupBox1") << "GroupBox1" << 13 << false << navy;
    QTest::newRow("GroupBox2") << "GroupBox2" << 13 << false << navy;
    QTest::newRow("GroupBox3") << "GroupBox3" << 13 << false << navy;
    QTest::newRow("fldKey") << "fldKey" << 12 << true << navy;
    QTest::newRow("cmbScales") << "cmbScales" << 12 << false << QColor(Qt::black);
    QTest::newRow("fldTuning") << "fldTuning" << 13 << true << navy;
    QTest::newRow("Button1") << "Button1" << 11 << false << navy;
    QTest::newRow("Button2") << "Button2" << 11 << false << navy;
    QTest::newRow("Edit2") << "Edit2" << 11 << true << text;
    QTest::newRow("fldChordName") << "fldChordName" << 11 << true << text;
    QTest::newRow("txtMakeup") << "txtMakeup" << 11 << true << text;
    QTest::newRow("StaticText18") << "StaticText18" << 11 << false << text;
    // Controls without a font of their own show the window's.
    QTest::newRow("Label11") << "Label11" << 11 << false << text;
    QTest::newRow("btnClearFrets") << "btnClearFrets" << 11 << false << text;
    QTest::newRow("cmbChordKey") << "cmbChordKey" << 11 << false << text;
    QTest::newRow("StaticText7") << "StaticText7" << 11 << false << text;
    QTest::newRow("Label1") << "Label1" << 11 << false << text;
}

void TestMainWindow::fontsAndTextColours()
{
    QFETCH(QString, name);
    QFETCH(int, pixels);
    QFETCH(bool, bold);
    QFETCH(QColor, colour);
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    QWidget *widget = control(window, name);
    QVERIFY(widget);
    QCOMPARE(window.font().pixelSize(), 11);
    QCOMPARE(widget->font().family(), window.font().family());
    QCOMPARE(widget->font().pixelSize(), pixels);
    QCOMPARE(widget->font().bold(), bold);
    QCOMPARE(widget->font().italic(), false);
    const QPalette::ColorRole role = qobject_cast<QPushButton *>(widget) ? QPalette::ButtonText
        : qobject_cast<QLineEdit *>(widget) || qobject_cast<QComboBox *>(widget)
        ? QPalette::Text
        : QPalette::WindowText;
    QCOMPARE(widget->palette().color(role), colour);
}

void TestMainWindow::listsHoldTheirItems()
{
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    QCOMPARE(itemsOf(window.ui.cmbScales),
        QStringList({ "Major (Ionian mode)", "Natural Minor (Aeolian mode)", "Blues Scale",
            "Harmonic Minor", "Melodic Minor", "Pentatonic", "Pentatonic Minor (rock scale)",
            "Hungarian Minor", "Dorian mode", "Phrygian mode", "Lydian mode", "Mixolydian mode",
            "Locrian mode", "Diminished scale", "Enigmatic scale" }));
    QCOMPARE(itemsOf(window.ui.cmbChordKey),
        QStringList(
            { "A", "A#/Bb", "B", "C", "C#/Db", "D", "D#/Eb", "E", "F", "F#/Gb", "G", "G#/Ab" }));
    QCOMPARE(itemsOf(window.ui.cmbChordType),
        QStringList({ "major", "minor", "7th", "major 7th", "minor 7th", "suspended 4th",
            "7th suspended 4th", "6th", "minor 6th", "9th", "minor 9th", "major 6th add 9",
            "augmented", "diminished", "7th diminshed 5th", "11th", "13th" }));
    for (QComboBox *list : window.findChildren<QComboBox *>()) {
        QVERIFY2(!list->isEditable(), qPrintable(list->objectName()));
        // The opened list shows its items 13 pixels high.
        list->showPopup();
        QTRY_VERIFY(list->view()->isVisible());
        QCOMPARE(list->view()->visualRect(list->model()->index(1, 0)).height(), 13);
        list->hidePopup();
        QCOMPARE(list->currentIndex(), -1);
    }
}

void TestMainWindow::tabOrderFollowsTheDesign()
{
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    QStringList chain;
    QWidget *widget = &window;
    do {
        widget = widget->nextInFocusChain();
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() && widget->isEnabled()
            && widget->window() == &window)
            chain << widget->objectName();
    } while (widget != &window);
    QCOMPARE(chain,
        QStringList({ "fldKey", "cmbScales", "btnClearFrets", "fldTuning", "Button1", "Button2",
            "Edit2", "cmbChordKey", "cmbChordType", "btnShowChord", "c1f1", "c1f2", "c1f3", "c1f4",
            "btnClearChords", "c2f1", "c2f2", "c2f3", "c2f4", "c3f1", "c3f2", "c3f3", "c3f4",
            "Edit1", "txtMakeup", "fldChordName" }));
}

void TestMainWindow::menusAsDesigned()
{
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    QCOMPARE(window.menuBar()->actions(),
        QList<QAction *>({ window.ui.File1->menuAction(), window.ui.Settings1->menuAction(),
            window.ui.Help1->menuAction() }));
    QCOMPARE(window.ui.File1->title(), QStringLiteral("&File"));
    QCOMPARE(window.ui.Settings1->title(), QStringLiteral("Se&ttings"));
    QCOMPARE(window.ui.Help1->title(), QStringLiteral("&Help"));

    const auto itemsOfMenu = [&](const char *menu) {
        QStringList items;
        for (QAction *action : window.findChild<QMenu *>(QLatin1String(menu))->actions()) {
            items << action->objectName() + QLatin1Char(' ')
                    + (action->isSeparator() ? QStringLiteral("-") : action->text());
            if (!action->shortcut().isEmpty())
                items << QStringLiteral("shortcut ") + action->shortcut().toString();
        }
        return items;
    };
    QCOMPARE(itemsOfMenu("File1"),
        QStringList({ "PrintSetup1 Print Se&tup", "PrintScreen1 &Print Screen",
            "Print1 Print Sc&ale", "PrintChords1 Print &Chords", "N1 -", "Exit1 E&xit" }));
    QCOMPARE(itemsOfMenu("Settings1"),
        QStringList({ "DefaultScreenSize1 &Default Screen Size", "Hints1 Hi&nts" }));
    QCOMPARE(itemsOfMenu("Help1"), QStringList({ "About1 &About" }));
    QVERIFY(window.ui.DefaultScreenSize1->isCheckable());
    QVERIFY(window.ui.DefaultScreenSize1->isChecked());
    QVERIFY(!window.ui.Hints1->isCheckable());
}

void TestMainWindow::statusBarSpansTheBottom()
{
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    TStatusBar *bar = window.ui.StatusBar1;
    QCOMPARE(bar->geometry(), QRect(0, 415, 638, 19));
    auto *grip = bar->findChild<QSizeGrip *>();
    QVERIFY(grip);
    QVERIFY(grip->isVisible());
    QVERIFY(grip->geometry().right() >= bar->width() - 4);
    auto *panel = bar->findChild<QLabel *>(QStringLiteral("Panel0"));
    QVERIFY(panel);
    // The one panel runs from the left end up to the grip.
    QVERIFY(panel->geometry().left() <= 4);
    QVERIFY(panel->geometry().right() >= grip->geometry().left() - 8);

    window.resize(window.width() + 60, window.height() + 40);
    QTRY_COMPARE(bar->geometry(), QRect(0, 415 + 40, 638 + 60, 19));
    QTRY_VERIFY(panel->geometry().right() >= grip->geometry().left() - 8);
}

void TestMainWindow::centredOnTheScreen()
{
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    const QPoint screenCentre = window.screen()->availableGeometry().center();
    QVERIFY((window.frameGeometry().center() - screenCentre).manhattanLength() <= 2);
}

void TestMainWindow::resizingFollowsTheWidth_data()
{
    QTest::addColumn<int>("dw");
    QTest::addColumn<int>("dh");
    QTest::newRow("wider by 100") << 100 << 0;
    QTest::newRow("taller only") << 0 << 50;
    QTest::newRow("shorter only") << 0 << -30;
    QTest::newRow("narrower by 100") << -100 << 0;
    QTest::newRow("wider and taller") << 37 << 12;
}

void TestMainWindow::resizingFollowsTheWidth()
{
    QFETCH(int, dw);
    QFETCH(int, dh);
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    const QSize start = window.size();
    const QList<QRect> inside = [&] {
        QList<QRect> places;
        for (QWidget *child : window.ui.PanelScale->findChildren<QWidget *>())
            places << child->geometry();
        return places;
    }();

    window.resize(start.width() + dw, start.height() + dh);
    QTRY_COMPARE(window.size(), QSize(start.width() + dw, start.height() + dh));
    QTRY_COMPARE(window.ui.PanelScale->width(), 636 + dw);
    QCOMPARE(window.ui.PanelScale->height(), 209);
    QCOMPARE(window.ui.PanelScale->pos(), QPoint(1, 0));
    QCOMPARE(window.ui.Panel1->geometry(), QRect(1, 210, 636, 205));
    QVERIFY(!window.ui.DefaultScreenSize1->isChecked());
    // The scale area keeps its one-pixel seam to the right edge.
    QCOMPARE(window.centralWidget()->width() - window.ui.PanelScale->geometry().right() - 1, 1);
    // Nothing inside the scale area moves: what no longer fits is cut off.
    QList<QRect> after;
    for (QWidget *child : window.ui.PanelScale->findChildren<QWidget *>())
        after << child->geometry();
    QCOMPARE(after, inside);
}

void TestMainWindow::maximisingFollowsTheSameRule()
{
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    window.showMaximized();
    QTRY_VERIFY(window.width() > 638);
    QTRY_COMPARE(window.ui.PanelScale->width(), 636 + window.width() - 638);
    QVERIFY(!window.ui.DefaultScreenSize1->isChecked());
    QCOMPARE(window.ui.Panel1->width(), 636);
}

void TestMainWindow::defaultScreenSizeRestores()
{
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    const QSize recorded = window.size();
    window.resize(recorded.width() + 100, recorded.height() + 70);
    QTRY_COMPARE(window.ui.PanelScale->width(), 736);
    QVERIFY(!window.ui.DefaultScreenSize1->isChecked());

    window.ui.DefaultScreenSize1->trigger();
    QTRY_COMPARE(window.size(), recorded);
    QTRY_COMPARE(window.ui.PanelScale->width(), 636);
    QCOMPARE(window.centralWidget()->size(), defaultClient);
    QVERIFY(window.ui.DefaultScreenSize1->isChecked());
    // Still so once every pending size change has arrived.
    QTest::qWait(50);
    QVERIFY(window.ui.DefaultScreenSize1->isChecked());
    QCOMPARE(window.ui.PanelScale->width(), 636);
}

void TestMainWindow::defaultScreenSizeAtDefaultSizeChangesNothing()
{
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    const QStringList before = stateOf(window);
    window.ui.DefaultScreenSize1->trigger();
    QTest::qWait(50);
    QCOMPARE(stateOf(window), before);
    QVERIFY(window.ui.DefaultScreenSize1->isChecked());
}

void TestMainWindow::draggingBackToDefaultLeavesTheMarkOff()
{
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    const QSize recorded = window.size();
    window.resize(recorded.width() - 40, recorded.height());
    QTRY_COMPARE(window.ui.PanelScale->width(), 596);
    window.resize(recorded);
    QTRY_COMPARE(window.size(), recorded);
    QTRY_COMPARE(window.ui.PanelScale->width(), 636);
    QVERIFY(!window.ui.DefaultScreenSize1->isChecked());
}

void TestMainWindow::guitarCursorOnDesignedControls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("ownNumber"); // carries 2 from the design, or shows its parent's
    for (const char *name :
        { "window", "PanelScale", "Panel1", "GroupBox1", "GroupBox2", "GroupBox3", "cmbScales",
            "cmbChordKey", "cmbChordType", "Button1", "Button2", "btnClearFrets", "btnShowChord",
            "btnClearChords", "fldKey", "fldTuning", "Edit2", "Edit1", "txtMakeup", "fldChordName",
            "c1f1", "c2f3", "c3f4", "Panel2", "Panel5", "Panel3", "StaticText12", "StaticText14",
            "StaticText15", "StaticText16", "StaticText17", "Shape1", "client" })
        QTest::newRow(name) << QString::fromLatin1(name) << true;
    // Labels, shapes, pictures and markers show the cursor of the control they sit on.
    for (const char *name : { "Label11", "Label7", "Shape4", "Shape6", "imgGuitar", "EString",
             "LabelE", "noteC", "NoteA4", "Label1", "Shape2", "Image4", "chord253" })
        QTest::newRow(name) << QString::fromLatin1(name) << false;
}

void TestMainWindow::guitarCursorOnDesignedControls()
{
    QFETCH(QString, name);
    QFETCH(bool, ownNumber);
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    QWidget *widget = control(window, name);
    QVERIFY(widget);
    QCOMPARE(cursorNumber(widget) == 2, ownNumber);
    const QCursor shown = widget->cursor();
    QCOMPARE(shown.shape(), Qt::BitmapCursor);
    QCOMPARE(shown.pixmap().size(), QSize(32, 32));
    QCOMPARE(shown.hotSpot(), QPoint(0, 0));
    // The hot spot is the arrow's tip, a drawn pixel.
    QVERIFY(qAlpha(shown.pixmap().toImage().pixel(0, 0)) > 0);
}

void TestMainWindow::arrowOnOtherControls_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : { "StatusBar1", "StaticText7", "StaticText8", "StaticText9",
             "StaticText10", "StaticText11", "StaticText13", "StaticText18" })
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestMainWindow::arrowOnOtherControls()
{
    QFETCH(QString, name);
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    QWidget *widget = control(window, name);
    QVERIFY(widget);
    QCOMPARE(cursorNumber(widget), 0);
    QCOMPARE(widget->cursor().shape(), Qt::ArrowCursor);
    // What sits on them shows the arrow too.
    for (QLabel *part : widget->findChildren<QLabel *>())
        QCOMPARE(part->cursor().shape(), Qt::ArrowCursor);
}

void TestMainWindow::arrowEverywhereWithoutTheCursorResource()
{
    struct Restore
    {
        ~Restore()
        {
            restoreCursorResource();
            Screen::clearCursors();
        }
    } restore;
    dropCursorResource();
    Screen::clearCursors();
    QVERIFY(!LoadCursor(QStringLiteral("ACOUSTIC1"), QPoint(0, 0)));

    Forms forms;
    TfrmGuitar &window = forms.guitar();
    QVERIFY(!Screen::cursor(2));
    QList<QWidget *> all = window.findChildren<QWidget *>();
    all << &window;
    int designedWithTwo = 0;
    for (QWidget *widget : all) {
        if (qobject_cast<QSizeGrip *>(widget))
            continue; // the grip shows the sizing arrow of its corner
        designedWithTwo += cursorNumber(widget) == 2;
        QVERIFY2(widget->cursor().shape() == Qt::ArrowCursor, qPrintable(widget->objectName()));
    }
    QVERIFY(designedWithTwo > 30);
}

void TestMainWindow::aboutOpensAndClosesAgain()
{
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    for (int round = 0; round < 4; ++round) {
        const bool byButton = round % 2 == 0;
        bool wasModal = false;
        QString caption;
        const bool opened = whileModal([&] { window.ui.About1->trigger(); },
            [&](QWidget *dialog) {
                wasModal = dialog == AboutForm && AboutForm->isVisible()
                    && AboutForm->windowModality() == Qt::ApplicationModal;
                caption = dialog->windowTitle();
                if (dialog != AboutForm)
                    dialog->close();
                else if (byButton)
                    QTest::mouseClick(AboutForm->ui.BitBtn1, Qt::LeftButton);
                else
                    dialog->close(); // the title bar's close box
            });
        QVERIFY(opened);
        QVERIFY(wasModal);
        QCOMPARE(caption, QStringLiteral("About Fretlark"));
        QVERIFY(!AboutForm->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(window.isVisible());
    }
}

void TestMainWindow::aboutBoxAsDesigned()
{
    Forms forms;
    TAboutForm &about = *AboutForm;
    bool centred = false;
    QVERIFY(whileModal([&] { forms.guitar().ui.About1->trigger(); },
        [&](QWidget *dialog) {
            const QPoint screenCentre = dialog->screen()->availableGeometry().center();
            centred = dialog == &about
                && (about.frameGeometry().center() - screenCentre).manhattanLength() <= 2;
            dialog->close();
        }));
    QVERIFY(centred);
    QCOMPARE(about.windowTitle(), QStringLiteral("About Fretlark"));
    QCOMPARE(about.size(), QSize(246, 274));
    QVERIFY(about.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(about.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(about.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(about.windowFlags() & Qt::WindowContextHelpButtonHint));
    QCOMPARE(about.font().pixelSize(), 11);

    auto *panel = about.findChild<TPanel *>(QStringLiteral("Panel1"));
    QVERIFY(panel);
    QCOMPARE(panel->geometry(), QRect(4, 2, 237, 239));
    QCOMPARE(panel->bevelInner(), TPanel::bvLowered);

    QLabel *title = about.ui.StaticText4;
    QCOMPARE(title->parentWidget(), panel);
    QCOMPARE(title->pos(), QPoint(9, 8));
    QCOMPARE(title->text(), QStringLiteral("Fretlark"));
    QCOMPARE(title->font().pixelSize(), 16);
    QVERIFY(title->font().bold());
    QCOMPARE(title->palette().color(QPalette::WindowText), navy);
    QLabel *version = about.ui.StaticText3;
    QCOMPARE(version->pos(), QPoint(9, 30));
    QCOMPARE(version->text(), QStringLiteral("version 2.0 release 1"));
    QCOMPARE(version->font().pixelSize(), 12);
    QVERIFY(!version->font().bold());
    QCOMPARE(version->palette().color(QPalette::WindowText), navy);

    QLabel *picture = about.ui.Image1;
    QCOMPARE(picture->geometry(), QRect(124, 76, 105, 73));
    QCOMPARE(picture->pixmap().size(), QSize(170, 99));
    QVERIFY(picture->hasScaledContents());

    // Credit lines: one line each, on the left, from top 44 to 172.
    int credits = 0;
    for (QLabel *line : panel->findChildren<QLabel *>()) {
        if (line == title || line == version || line == picture)
            continue;
        ++credits;
        QVERIFY2(line->y() >= 44 && line->y() <= 172, qPrintable(line->objectName()));
        QVERIFY2(
            line->geometry().right() < picture->x() || line->y() > picture->geometry().bottom(),
            qPrintable(line->objectName()));
        QVERIFY(!line->text().contains(QLatin1Char('\n')));
        QVERIFY(line->width() >= line->fontMetrics().horizontalAdvance(line->text()));
    }
    QVERIFY(credits >= 2);

    QPushButton *button = about.ui.BitBtn1;
    QCOMPARE(button->parentWidget(), &about);
    QCOMPARE(button->geometry(), QRect(84, 244, 75, 25));
    QCOMPARE(button->text(), QStringLiteral("Excellent"));
    QVERIFY(button->icon().isNull());
}

void TestMainWindow::hintsDoesNothing()
{
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    choose(window.ui.cmbScales, QStringLiteral("Dorian mode"));
    doubleClick(window.findChild<TMusic *>(QStringLiteral("noteD")));
    const QStringList before = stateOf(window);
    window.ui.Hints1->trigger();
    QTest::qWait(20);
    QCOMPARE(stateOf(window), before);
    QVERIFY(!window.ui.Hints1->isChecked());
    QVERIFY(!QApplication::activeModalWidget());
}

void TestMainWindow::exitClosesTheWindow()
{
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    // The program's message loop, as start-up runs it, until Exit closes the window.
    QTimer::singleShot(0, &window, [&] { window.ui.Exit1->trigger(); });
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    giveUp.start(5000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!window.isVisible());
}

void TestMainWindow::seamsBevelsAndLegendAsDrawn()
{
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    const QImage image = grabbed(window.centralWidget());
    QCOMPARE(image.size(), defaultClient);

    for (int y = 0; y < 415; ++y) {
        QCOMPARE(pixel(image, 0, y), teal);
        QCOMPARE(pixel(image, 637, y), teal);
    }
    for (int x = 0; x < 638; ++x)
        QCOMPARE(pixel(image, x, 209), teal);

    // Each panel: a raised ring outside a lowered one.
    const QColor light = plain(window.ui.PanelScale->palette().color(QPalette::Light));
    const QColor dark = plain(window.ui.PanelScale->palette().color(QPalette::Dark));
    const QColor face = plain(window.ui.PanelScale->palette().color(QPalette::Button));
    QVERIFY(light != dark);
    for (const QRect &panel : { QRect(1, 0, 636, 209), QRect(1, 210, 636, 205) }) {
        const int midX = panel.left() + 250;
        const int midY = panel.top() + 60;
        QCOMPARE(pixel(image, midX, panel.top()), light);
        QCOMPARE(pixel(image, midX, panel.top() + 1), dark);
        QCOMPARE(pixel(image, midX, panel.bottom()), dark);
        QCOMPARE(pixel(image, midX, panel.bottom() - 1), light);
        QCOMPARE(pixel(image, panel.left(), midY), light);
        QCOMPARE(pixel(image, panel.left() + 1, midY), dark);
        QCOMPARE(pixel(image, panel.right(), midY), dark);
        QCOMPARE(pixel(image, panel.right() - 1, midY), light);
        QCOMPARE(pixel(image, panel.left() + 2, midY), face);
    }

    // The legend: a white dot and a navy dot, black-outlined, 9 pixels across in 13 × 9.
    const QPoint white = QPoint(1 + 104, 195);
    const QPoint root = QPoint(1 + 208, 195);
    QCOMPARE(pixel(image, white.x() + 6, white.y() + 4), QColor(Qt::white));
    QCOMPARE(pixel(image, root.x() + 6, root.y() + 4), navy);
    for (const QPoint &mark : { white, root }) {
        QCOMPARE(pixel(image, mark.x() + 2, mark.y() + 4), QColor(Qt::black));
        QCOMPARE(pixel(image, mark.x() + 10, mark.y() + 4), QColor(Qt::black));
        QCOMPARE(pixel(image, mark.x() + 6, mark.y()), QColor(Qt::black));
        QCOMPARE(pixel(image, mark.x() + 1, mark.y() + 4), face);
        QCOMPARE(pixel(image, mark.x() + 11, mark.y() + 4), face);
    }
    // The chord legend: open and muted squares, a fingered dot.
    QCOMPARE(pixel(image, 1 + 20 + 4, 210 + 124 + 6), QColor(Qt::white));
    QCOMPARE(pixel(image, 1 + 20 + 4, 210 + 144 + 6), QColor(Qt::black));
    QCOMPARE(pixel(image, 1 + 20 + 4, 210 + 161 + 6), QColor(Qt::white));

    // A silver string between two fret columns, over the neck picture.
    QCOMPARE(pixel(image, 1 + 45, 153), silver);
    QCOMPARE(pixel(image, 1 + 45, 89), silver);
}

void TestMainWindow::diagramPanelsShowTheGridPicture()
{
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    const QImage image = grabbed(window.centralWidget());
    const QImage grid
        = QImage(QStringLiteral(":/chord_grid.png")).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(grid.size(), QSize(79, 91));
    // The picture is centred in its 81 × 93 control at 16, 4 of each panel.
    for (int panelLeft : { 304, 404, 504 }) {
        const QPoint origin(1 + panelLeft + 16 + 1, 210 + 28 + 4 + 1);
        QCOMPARE(image.copy(QRect(origin, grid.size())), grid);
    }
}

void TestMainWindow::editBackgroundsAndBorders()
{
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    const QImage menuBar = grabbed(window.menuBar());
    const QColor menuColour = pixel(menuBar, menuBar.width() - 5, menuBar.height() / 2);

    struct Case
    {
        QLineEdit *edit;
        QColor background;
        bool blackLine;
    };
    const Case cases[] = {
        { window.ui.fldKey, silver, true },
        { window.ui.fldTuning, silver, true },
        { window.ui.Edit2, menuColour, true },
        { window.ui.txtMakeup, menuColour, true },
        { window.ui.fldChordName, menuColour, false },
        { window.ui.Edit1, menuColour, false },
        { window.ui.c2f2, menuColour, false },
    };
    for (const Case &item : cases) {
        const QImage image = grabbed(item.edit);
        const int midY = image.height() / 2;
        QCOMPARE(pixel(image, image.width() - 4, midY), item.background);
        if (item.blackLine) {
            QCOMPARE(pixel(image, 0, midY), QColor(Qt::black));
            QCOMPARE(pixel(image, image.width() - 1, midY), QColor(Qt::black));
            QCOMPARE(pixel(image, image.width() / 2, 0), QColor(Qt::black));
        }
        QVERIFY2(item.edit->isReadOnly() == (item.edit != window.ui.fldChordName),
            qPrintable(item.edit->objectName()));
    }
    // No border at all around the chord name.
    const QImage name = grabbed(window.ui.fldChordName);
    QCOMPARE(pixel(name, 0, name.height() / 2), menuColour);
    QCOMPARE(pixel(name, name.width() / 2, 0), menuColour);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
