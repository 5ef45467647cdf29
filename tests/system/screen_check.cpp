// Reads a screenshot of the running program and says whether the neck, the
// chord diagrams and the window's seams look as a user should see them.
//
//   screen_check neck   SHOT BLANK X Y KEY MASK OFFSETS
//   screen_check chords SHOT BLANK X Y CODE
//   screen_check seam   SHOT X Y CLIENT_WIDTH
//   screen_check same   SHOT BEFORE X Y WIDTH HEIGHT
//
// X, Y: the window's client origin on the screen (below the menu bar). BLANK:
// a shot of the same window with nothing shown, for what a hidden marker lets
// through. KEY: pitch class 0..11. MASK: twelve 0/1 digits, the scale's
// semitones above the key. OFFSETS: six comma-separated semitone offsets of the
// strings from standard tuning, low E first. CODE: a 30-character shape code.
// Prints what it counted; exits 1 listing every place that looks wrong.

#include "ChordLayout.h"
#include "NeckGrid.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const QColor white(255, 255, 255);
const QColor navy(0, 0, 128);
const QColor black(0, 0, 0);
const QColor teal(0, 128, 128);

// Where the areas sit in the client area.
constexpr QPoint scaleAreaOrigin { 1, 0 };
constexpr QPoint chordAreaOrigin { 1, 210 };
constexpr int scaleAreaHeight = 209;
constexpr int chordAreaTop = 210;
constexpr int chordAreaWidth = 636;
constexpr int chordAreaHeight = 205;
constexpr std::array<int, chordPositionCount> diagramLefts = { 304, 404, 504 };
constexpr int diagramTop = 28;

struct Shot
{
    QImage image;
    QPoint origin;

    QColor at(QPoint client) const { return image.pixelColor(origin + client); }
};

QImage load(const char *path)
{
    QImage image(QString::fromLocal8Bit(path));
    if (image.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", path);
        std::exit(2);
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

QString describe(const QColor &c)
{
    return QStringLiteral("rgb(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

int failures = 0;

void fail(const QString &what)
{
    ++failures;
    std::fprintf(stderr, "%s\n", qPrintable(what));
}

// A shown marker has its fill colour at its centre; a hidden one lets the
// picture under it through unchanged.
void expectMarker(
    const Shot &shot, const Shot &blank, QPoint centre, const QColor *fill, const QString &name)
{
    const QColor seen = shot.at(centre);
    const QColor under = blank.at(centre);
    if (under == white || under == navy || under == black) {
        fail(QStringLiteral("%1 at (%2,%3): the picture under it is %4, as a shown marker would be")
                 .arg(name)
                 .arg(centre.x())
                 .arg(centre.y())
                 .arg(describe(under)));
        return;
    }
    const QColor expected = fill ? *fill : under;
    if (seen != expected)
        fail(QStringLiteral("%1 at (%2,%3): %4, expected %5%6")
                 .arg(name)
                 .arg(centre.x())
                 .arg(centre.y())
                 .arg(describe(seen), describe(expected),
                     fill ? QString() : QStringLiteral(" (hidden)")));
}

int neck(
    const Shot &shot, const Shot &blank, int key, const QString &mask, const QString &offsetList)
{
    const QStringList offsets = offsetList.split(QLatin1Char(','));
    if (key < 0 || key > 11 || mask.size() != 12 || offsets.size() != neckStringCount) {
        std::fprintf(stderr, "bad neck arguments\n");
        return 2;
    }
    int lit = 0, roots = 0;
    for (const NeckCell &cell : neckGrid) {
        const int pitch = ((cell.standardPitch + offsets[cell.string].toInt()) % 12 + 12) % 12;
        const bool inScale = mask[(pitch - key + 12) % 12] == QLatin1Char('1');
        const QColor *fill = !inScale ? nullptr : pitch == key ? &navy : &white;
        lit += inScale;
        roots += inScale && pitch == key;
        const QPoint centre
            = scaleAreaOrigin + QPoint(cell.left + cell.width / 2, cell.top + neckMarkerHeight / 2);
        expectMarker(shot, blank, centre, fill,
            QString::fromLatin1(cell.name.data(), qsizetype(cell.name.size())));
    }
    std::printf("lit %d navy %d\n", lit, roots);
    return failures ? 1 : 0;
}

int chords(const Shot &shot, const Shot &blank, const std::string &code)
{
    if (code.size() != std::size_t(chordPositionCount * shapeBlockLength)) {
        std::fprintf(stderr, "bad shape code\n");
        return 2;
    }
    int shown = 0;
    for (int position = 0; position < chordPositionCount; ++position)
        for (int row = 0; row < chordRowCount; ++row) {
            const char state = code[std::size_t(position * shapeBlockLength + row)];
            // 0 open (white square), 1..4 a finger in that column, 5 muted (black square).
            const int litColumn = state == '5' ? 0 : state - '0';
            const QColor &litFill = state == '5' ? black : white;
            for (int column = 0; column < chordColumnCount; ++column) {
                const bool isLit = column == litColumn;
                shown += isLit;
                const int top = column == 0 ? chordRows[row].squareTop : chordRows[row].dotTop;
                const QPoint centre = chordAreaOrigin + QPoint(diagramLefts[position], diagramTop)
                    + QPoint(chordColumnLefts[column] + chordMarkerWidth / 2,
                        top + chordMarkerHeight / 2);
                expectMarker(shot, blank, centre, isLit ? &litFill : nullptr,
                    QStringLiteral("chord%1%2%3").arg(position + 1).arg(row + 1).arg(column));
            }
        }
    std::printf("shown %d\n", shown);
    return failures ? 1 : 0;
}

// The scale area runs to one pixel short of the client area's right edge,
// the window's teal showing in that column; the chord area keeps its width,
// so whatever the window gained beside it is teal too.
int seam(const Shot &shot, int clientWidth)
{
    const int right = clientWidth - 1;
    for (int y = 0; y < scaleAreaHeight; ++y) {
        if (shot.at({ right, y }) != teal)
            fail(QStringLiteral("seam at (%1,%2) is %3")
                     .arg(right)
                     .arg(y)
                     .arg(describe(shot.at({ right, y }))));
        if (shot.at({ right - 1, y }) == teal)
            fail(QStringLiteral("scale area does not reach (%1,%2)").arg(right - 1).arg(y));
    }
    int tealBeside = 0;
    for (int y = chordAreaTop; y < chordAreaTop + chordAreaHeight; ++y)
        for (int x = chordAreaOrigin.x() + chordAreaWidth; x < clientWidth; ++x) {
            if (shot.at({ x, y }) != teal)
                fail(QStringLiteral("beside the chord area (%1,%2) is %3")
                         .arg(x)
                         .arg(y)
                         .arg(describe(shot.at({ x, y }))));
            ++tealBeside;
        }
    std::printf("teal beside the chord area %d\n", tealBeside);
    return failures ? 1 : 0;
}

int same(const QImage &shot, const QImage &before, const QRect &area)
{
    int differing = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            differing += shot.pixel(x, y) != before.pixel(x, y);
    std::printf("differing pixels %d\n", differing);
    return differing ? 1 : 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::string command = argc > 1 ? argv[1] : "";
    auto number = [&](int i) { return QString::fromLocal8Bit(argv[i]).toInt(); };
    if (command == "neck" && argc == 9) {
        const QPoint origin(number(4), number(5));
        return neck({ load(argv[2]), origin }, { load(argv[3]), origin }, number(6),
            QString::fromLatin1(argv[7]), QString::fromLatin1(argv[8]));
    }
    if (command == "chords" && argc == 7) {
        const QPoint origin(number(4), number(5));
        return chords({ load(argv[2]), origin }, { load(argv[3]), origin }, argv[6]);
    }
    if (command == "seam" && argc == 6)
        return seam({ load(argv[2]), QPoint(number(3), number(4)) }, number(5));
    if (command == "same" && argc == 8)
        return same(
            load(argv[2]), load(argv[3]), QRect(number(4), number(5), number(6), number(7)));
    std::fprintf(stderr, "usage: see the head of screen_check.cpp\n");
    return 2;
}
