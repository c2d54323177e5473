#pragma once

#include <QByteArray>
#include <array>
#include <QList>
#include <QString>
#include <functional>

class Page;
struct MenuType;
class Project;

// The menu data file reader. The program does not parse the script: a
// reader page apart from the program evaluates the text and hands back its
// values; the program builds the item tree from them, and the parameter
// page takes the parameters and reports the styles back.

// Reads the file at `path` into the project: the reader runs the text, the
// parameter page takes its parameters, the item tree and the style lists
// are rebuilt from its values, and the item parameters page is offered the
// style names. The caller has emptied the tree and the style lists and
// reset the page. False, after
// "Can't open the file:", when the file cannot be read; true otherwise,
// whatever the page made of it. Styles go through `addStyle` when given (the
// styles window's lists), otherwise straight into the project's lists.
// `read`, when given, says what the read made of the text (see
// ReadDataText).
using AddStyleFunction = std::function<void(int kind, const QString &name, const QString &paramsList,
                                            const QString &stylesArray)>;

// What a read made of a text, beside the project it filled.
struct DataRead
{
    // Everything the text holds was read. False when the reader was stopped
    // (time limit), a page failed, the text's script failed before any item
    // was read, or the lists hold entries that are no items or styles.
    // Saving such a project would lose what the file holds beyond what was read.
    bool complete = true;
    // The text assigns the type's item list; a script that does not is no
    // menu data file, and its project is empty.
    bool definesMenu = true;
    // A page of the editor failed during the read: the program's fault, not
    // the file's. Its message; empty when none did.
    QString pageFailure;
    // The same for us: the page, the function and what failed in it.
    QString pageFailureDetail;
    // Damage the reader found, one line each ("after line 112: a comma is
    // probably missing ..."). The rest was read.
    QStringList findings;

    explicit operator bool() const { return complete; }
};

bool ReadDataFile(Project &project, Page &params, Page &itemParams, const QString &path,
                  const AddStyleFunction &addStyle = {}, DataRead *read = nullptr);
// The same for a text already in memory (an undo state, a recovered
// project), as ReadDataFile reads it after decoding the file. The item tree
// is replaced only once the page has evaluated the text: a text the page
// could not evaluate leaves the tree as it was. The text is run as written:
// the reader page's start functions do nothing, so nothing in it is
// rewritten to keep the engine from starting. The findings are the
// caller's to show.
DataRead ReadDataText(Project &project, Page &params, Page &itemParams, QString text,
                      const AddStyleFunction &addStyle = {});

// Files larger than this are refused unread.
inline constexpr qint64 kMaxDataFileSize = 16 * 1024 * 1024;

// The steps, for the reader itself and its tests.

// What the reader made of a text, beside what the parameter page took.
struct EvaluatedText
{
    QString stopped; // why the text had to be stopped; empty when it ran
    QString items;   // the item array as JSON text; empty when undefined
    qint64 itemCount = 0; // its whole length, beyond what was handed over
    // Per kind (item, submenu): the style array and its names array as JSON
    // texts; empty when undefined.
    std::array<QString, 2> styles;
    std::array<QString, 2> styleNames;
    // Declarations whose "=" seems lost, found in the text itself.
    QStringList findings;
};

// Runs the text apart from every page of the program (Page::evaluateApart),
// within the data text time limit, and gives the parameter page the values
// it defined of the menu-wide parameters. The item and style arrays stay
// with the program. A text that had to be stopped (it did not end in time)
// gives the page no values.
EvaluatedText EvaluateDataText(Page &params, const MenuType &type, const QString &text);
// Its first step: the text run apart, the parameters' values left in
// `shown` as the JSON object the parameter page's qrn_loadValues takes.
EvaluatedText EvaluateApart(Page &params, const MenuType &type, const QString &text, QString &shown);

// The file's bytes as the reader's text: decoded, cut at a Ctrl-Z, and every
// line (ended by LF or CR LF; a lone CR is dropped) preceded by CR LF.
QString DataTextFromBytes(const QByteArray &bytes);
// Turns every start call of the type in the text's code into a comment;
// strings and comments stay as they are. For texts put together to run in
// an engine page, where the start call must come once, at the end.
QString CommentOutStartCall(QString text, int currentType);
// The names of every type's start functions: the reader page defines them
// as functions that do nothing.
QStringList StartFunctionNames();
// Leading "|" marks of an item text: the level, and the text without them.
int TakeLevelMarks(QString &text);
// Tree depths for items given by their level marks, in file order: each item
// goes under the nearest earlier item on its branch with fewer marks, so no
// sequence of marks can fail and an item never lands higher than its marks.
QList<int> PlaceLoadedLevels(const QList<int> &marks);
// A style's "key=value" list from the page as the style's parameter script.
QString StyleParamsToDeclarations(const QString &list);

// Appends a style read from a file; nothing is selected or sent to a page.
void AddStyle(Project &project, int kind, const QString &name, const QString &paramsList,
              const QString &stylesArray);
// Offers the style names of a kind to the item parameters page.
void SetIndividualStyles(const Project &project, Page &itemParams, int kind);
