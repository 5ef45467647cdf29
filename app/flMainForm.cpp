#include "flMainForm.h"

#include "CursorTable.h"
#include "ItemHeight.h"
#include "Music.h"
#include "ScreenPlacement.h"
#include "WindowFonts.h"
#include "flAbout.h"

#include <QComboBox>
#include <QResizeEvent>

TfrmGuitar *frmGuitar = nullptr;
int printPercent = 100;

namespace {

constexpr QSize clientSize { 638, 434 };
constexpr int listItemHeight = 13;

} // namespace

TfrmGuitar::TfrmGuitar(QWidget *parent)
    : QMainWindow(parent)
{
    ui.setupUi(this);
    applyFonts(this, mainWindowFonts);
    for (QComboBox *list : { ui.cmbScales, ui.cmbChordKey, ui.cmbChordType })
        setItemHeight(list, listItemHeight);
    resize(clientSize.width(), menuBar()->sizeHint().height() + clientSize.height());
    createNeckMarkers();
    createChordMarkers();
    connectControls();
    FormCreate(this);
    created = true;
}

TfrmGuitar::~TfrmGuitar() = default;

void TfrmGuitar::connectControls()
{
    connect(ui.btnClearFrets, &QPushButton::clicked, this,
        [this] { btnClearFretsClick(ui.btnClearFrets); });
    connect(ui.btnClearChords, &QPushButton::clicked, this,
        [this] { btnClearFretsClick(ui.btnClearChords); });
    connect(ui.btnShowChord, &QPushButton::clicked, this,
        [this] { btnShowChordClick(ui.btnShowChord); });
    connect(ui.Button1, &QPushButton::clicked, this, [this] { Button1Click(ui.Button1); });
    connect(ui.Button2, &QPushButton::clicked, this, [this] { Button2Click(ui.Button2); });

    connect(ui.DefaultScreenSize1, &QAction::triggered, this,
        [this] { DefaultScreenSize1Click(ui.DefaultScreenSize1); });
    connect(ui.Exit1, &QAction::triggered, this, [this] { Exit1Click(ui.Exit1); });
    connect(ui.About1, &QAction::triggered, this, [this] { About1Click(ui.About1); });
    connect(ui.Print1, &QAction::triggered, this, [this] { Print1Click(ui.Print1); });
    connect(ui.PrintChords1, &QAction::triggered, this, [this] { Print1Click(ui.PrintChords1); });
    connect(
        ui.PrintScreen1, &QAction::triggered, this, [this] { PrintScreen1Click(ui.PrintScreen1); });
    connect(
        ui.PrintSetup1, &QAction::triggered, this, [this] { PrintSetup1Click(ui.PrintSetup1); });
}

void TfrmGuitar::FormCreate(QObject *)
{
    btnClearFretsClick(ui.btnClearFrets);
    btnClearFretsClick(ui.btnClearChords);
    defaultHeight = height();
    defaultWidth = width();
    defaultScaleWidth = ui.PanelScale->width();
    if (const auto guitar = LoadCursor(QStringLiteral("ACOUSTIC1"), QPoint(0, 0)))
        Screen::installCursor(2, *guitar);
    // The client area around the two panels is the window's own.
    setCursorNumber(this, 2);
    setCursorNumber(ui.client, 2);
    applyCursorNumbers(this);
}

void TfrmGuitar::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (created)
        FormResize(this);
}

void TfrmGuitar::showEvent(QShowEvent *event)
{
    if (!placed) {
        centerOnScreen(this);
        placed = true;
    }
    QMainWindow::showEvent(event);
}

void TfrmGuitar::FormResize(QObject *)
{
    // Worked from the window's own size: under X11 the frame is the window
    // manager's, and there may be none.
    ui.PanelScale->resize(defaultScaleWidth + (width() - defaultWidth), ui.PanelScale->height());
    if (height() != defaultHeight || width() != defaultWidth)
        ui.DefaultScreenSize1->setChecked(false);
}

void TfrmGuitar::DefaultScreenSize1Click(QObject *)
{
    // One resize rather than height then width: the window system may report
    // the in-between size after the check mark is set, and it would clear it.
    resize(defaultWidth, defaultHeight);
    ui.DefaultScreenSize1->setChecked(true);
}

void TfrmGuitar::Exit1Click(QObject *)
{
    close();
}

void TfrmGuitar::About1Click(QObject *)
{
    AboutForm->exec();
}
