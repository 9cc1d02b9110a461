#include "app/QV3DViewer/frame/ToolBarIcons.h"

#include "app/QV3DViewer/frame/CommandIds.h"

#include <QPixmap>

namespace {

// Pictures of our own, 16 x 15 like the toolbar's buttons, for the commands whose style pictures
// mean something else (the style draws a floppy disk for print and a bin for cut).
const char* const kCutXpm[] = {"16 15 3 1",        "# c #202020",      ". c None",         "b c #2050C0",
                               "................", "..#.........#...", "..##.......##...", "...#.......#....",
                               "...##.....##....", "....#.....#.....", "....##...##.....", ".....#...#......",
                               "......#.#.......", ".......#........", "....bbb.bbb.....", "...b..b.b..b....",
                               "...b..b.b..b....", "...b..b.b..b....", "....bb...bb....."};

const char* const kCopyXpm[] = {
    "16 15 3 1",        "# c #202020",      ". c None",         "w c #FFFFFF",      "#######.........",
    "#wwwww#.........", "#w###w#.........", "#wwwww#.........", "#w###w#########.", "#wwwww#wwwwwww#.",
    "#w###w#w#####w#.", "#wwwww#wwwwwww#.", "#######w#####w#.", ".......#wwwwwww#", ".......#w#####w#",
    ".......#wwwwwww#", ".......#w#####w#", ".......#wwwwwww#", ".......#########"};

const char* const kPasteXpm[] = {
    "16 15 4 1",        "# c #202020",      ". c None",         "w c #FFFFFF",      "y c #C89040",
    ".....####.......", "..###yyyy###....", ".#yy######yy#...", ".#yy#wwww#yy#...", ".#yy######yy#...",
    ".#yyyyyyyyyy#...", ".#yy#########...", ".#yy#wwwwwww#...", ".#yy#w####ww#...", ".#yy#wwwwwww#...",
    ".#yy#w#####w#...", ".#yy#wwwwwww#...", ".#yy#w####ww#...", ".####wwwwwww#...", ".....#########.."};

const char* const kPrintXpm[] = {
    "16 15 5 1",        "# c #202020",      ". c None",         "b c #2050C0",      "g c #B8B8B8",
    "w c #FFFFFF",      "................", "....########....", "....#wwwwww#....", "....#w####w#....",
    "....#wwwwww#....", "..############..", ".#gggggggggggg#.", ".#gggggggggggg#.", ".#ggggggggggbg#.",
    ".#gggggggggggg#.", ".##############.", "...#wwwwwwww#...", "...#w######w#...", "...#wwwwwwww#...",
    "...##########..."};

struct ButtonPicture {
    int command;
    const char* themeName;
    QStyle::StandardPixmap standard; // used when `own` is null
    const char* const* own;
};

constexpr ButtonPicture kPictures[] = {
    {cmd::FileNew, "document-new", QStyle::SP_FileIcon, nullptr},
    {cmd::FileOpen, "document-open", QStyle::SP_DialogOpenButton, nullptr},
    {cmd::FileSave, "document-save", QStyle::SP_DialogSaveButton, nullptr},
    {cmd::EditCut, "edit-cut", QStyle::SP_CustomBase, kCutXpm},
    {cmd::EditCopy, "edit-copy", QStyle::SP_CustomBase, kCopyXpm},
    {cmd::EditPaste, "edit-paste", QStyle::SP_CustomBase, kPasteXpm},
    {cmd::Print, "document-print", QStyle::SP_CustomBase, kPrintXpm},
    {cmd::AppAbout, "help-about", QStyle::SP_MessageBoxQuestion, nullptr},
};

} // namespace

QIcon ToolBarIcon(int command, const QStyle& style) {
    for (const ButtonPicture& picture : kPictures) {
        if (picture.command == command) {
            const QIcon fallback =
                picture.own != nullptr ? QIcon(QPixmap(picture.own)) : style.standardIcon(picture.standard);
            return QIcon::fromTheme(QLatin1String(picture.themeName), fallback);
        }
    }
    return {};
}
