// State a unit keeps at file level, whatever its type.
namespace {
int g_callsInProgress = 0;
QList<QPointer<WebPage>> g_pages;
std::function<void(const std::exception &)> g_reporter;
// Constants are data.
const QString kMark = QStringLiteral("x");
constexpr int kPollMs = 10;
} // namespace

// Declarations of functions and types are no state.
QString itemArrayOf(const QString &text, int maxItems = -1);
bool isShipped(const QString &path, const QString &folder = programFolder());
class WebPage;
using Reporter = std::function<void()>;

void (*endProgram)(int exitCode) = exitProgram;
