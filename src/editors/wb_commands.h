#pragma once

#include <QColor>
#include <QString>
#include <functional>

class Page;
class Project;
class TfrmFont;
class TfrmItemParams;

// The page command channel. A hosted page asks the program for something by
// setting its status text to "@name:value"; the view's handler passes it to
// DispatchPageCommand, which carries it out and answers the page through
// "qrn_setValue".

// No page command is being handled. Status texts that arrive while a command
// runs its dialogs are dropped, not queued.
extern bool ChannelIdle;
// The value of the command being handled; the font chooser reads its start
// value here and leaves its result here.
extern QString CommandValue;

struct PageCommand
{
    QString name;
    QString value;
};

// True when the view holds a document and the text starts with "@".
bool IsPageCommand(const Page *view, const QString &text);
// Name and value of a status text; only the leading "@" marks the command,
// an "@" inside the value is kept.
PageCommand SplitPageCommand(const QString &text);

// Two hexadecimal characters as 0 to 255; a character that is no hexadecimal
// digit counts 0.
int HexPairValue(QChar high, QChar low);
// "RRGGBB" (without "#"); longer texts use their first six digits, shorter ones
// count as if padded with "0" in front.
QColor HexToColor(const QString &text);
// Six upper-case hexadecimal digits, red, green, blue.
QString ColorToHex(const QColor &color);

// The picker's path as the pages want it: inside the project folder relative
// to it, "/" separators.
QString RelativeToProject(const QString &path, const QString &projectFolder);
// The file picker's filter for "image" or "url".
QString PickFileFilter(const QString &kind);

// What the commands act on. Start-up sets it once the windows exist; the
// main window's project commands come in as a function because the main
// window lies above this library.
struct PageCommandTargets
{
    Project *project = nullptr;
    TfrmFont *font = nullptr;
    TfrmItemParams *itemParams = nullptr;
    std::function<void(const QString &name)> runProjectCommand;
};
void setPageCommandTargets(const PageCommandTargets &targets);

// What every view's status-text handler does first: while the channel is
// idle, a status text that is a page command is carried out with `slot`.
// True when the command changed the value.
bool PageStatusTextChange(Page *view, const QString &text, QString &slot);
// Carries out one page command from `view` and answers the page. `slot`
// receives the answered value. True when the command changed the value.
// The channel is idle again when this returns or throws.
bool DispatchPageCommand(Page *view, const QString &text, QString &slot);
// Runs a command of the command table a page may ask for by name
// ("@command:<name>"); any other name is ignored.
void RunProjectCommand(const QString &name);
// Shows the file picker for "image" or "url"; a picked file replaces
// CommandValue.
void PickFile(const QString &kind);
