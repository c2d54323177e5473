// A long model walk (see tests/support/modelwalk.h) from a seed given on the
// command line, or taken from the clock and printed, so that a walk that
// fails can be run again:
//   bench_modelwalk [seed or -] [steps] [round length] [menu type]
// Prints "name: value" lines; on a failure the steps that led to it, then
// the fewest of them that still fail the same way, and the exit code is 1.

#include "app/application.h"
#include "app/programwindows.h"
#include "support/appfixture.h"
#include "support/modelwalk.h"
#include "support/testmain.h"
#include "support/webharness.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QElapsedTimer>
#include <cstdio>

namespace {

// A failure without its numbers: the same fault at other rows.
QString kindOf(const QString &failure)
{
    return QString(failure).remove(QRegularExpression(QStringLiteral("[0-9.]+"))).left(60);
}

// Whether the steps, run on a fresh program, fail as `kind` says.
bool failsAs(const QStringList &steps, int type, const QString &kind)
{
    AppFixture fixture;
    fixture.createWindows();
    fixture.chooseMenuType(type);
    if (!fixture.waitForParameterPage())
        return false;
    ModelWalk walk(fixture, fixture.folder() + QStringLiteral("walk.js"), 0);
    return !walk.replay(steps) && kindOf(walk.failure()) == kind;
}

// Leaves out ever smaller runs of steps while the walk still fails the
// same way; the failing step itself stays last.
QStringList reduce(QStringList steps, int type, const QString &kind)
{
    for (qsizetype chunk = steps.size() / 2; chunk >= 1; chunk /= 2) {
        for (qsizetype at = steps.size() - 1 - chunk; at >= 0; at -= chunk) {
            QStringList fewer = steps;
            fewer.remove(at, chunk);
            if (failsAs(fewer, type, kind))
                steps = fewer;
        }
    }
    return steps;
}

} // namespace

int main(int argc, char **argv)
{
    prepareTestEnvironment();
    Application app(argc, argv);
    const QStringList args = app.arguments();
    // No seed, or "-": one from the clock.
    bool given = false;
    quint64 seed = args.size() > 1 ? args.at(1).toULongLong(&given) : 0;
    if (!given)
        seed = quint64(QDateTime::currentMSecsSinceEpoch());
    const int steps = args.size() > 2 ? args.at(2).toInt() : 5000;
    const int roundLength = args.size() > 3 ? args.at(3).toInt() : 80;
    const int type = args.size() > 4 ? args.at(4).toInt() : 0;
    std::printf("seed: %llu\n", static_cast<unsigned long long>(seed));
    std::fflush(stdout);

    AppFixture fixture;
    fixture.createWindows();
    fixture.chooseMenuType(type);
    if (!fixture.waitForParameterPage()) {
        std::fprintf(stderr, "the pages did not load\n");
        return 2;
    }
    ModelWalk walk(fixture, fixture.folder() + QStringLiteral("walk.js"), seed);
    QElapsedTimer t;
    t.start();
    const bool ok = walk.walk(steps, roundLength);
    const double seconds = double(t.elapsed()) / 1000;
    std::printf("menu_type: %d\n", type);
    std::printf("steps: %lld\n", static_cast<long long>(walk.steps().size()));
    std::printf("changes: %d\n", walk.changes());
    std::printf("walk_s: %.1f\n", seconds);
    std::printf("ms_per_step: %.1f\n", walk.steps().isEmpty() ? 0.0 : seconds * 1000 / double(walk.steps().size()));
    std::printf("check_ms_per_step: %.1f\n",
                walk.steps().isEmpty() ? 0.0 : double(walk.checkMs()) / double(walk.steps().size()));
    for (auto k = walk.msByKind().cbegin(); k != walk.msByKind().cend(); ++k)
        std::printf("ms_per_%s: %.1f\n", qPrintable(k.key()), double(k.value()) / walk.counts().value(k.key(), 1));
    std::printf("passed: %d\n", ok ? 1 : 0);
    if (!ok) {
        std::fprintf(stderr, "%s\n", qPrintable(walk.report()));
        const QStringList fewest = reduce(walk.steps(), type, kindOf(walk.failure()));
        std::fprintf(stderr, "fewest steps that fail the same way:\n  %s\n",
                     qPrintable(fewest.join(QStringLiteral("\n  "))));
        return 1;
    }
    return 0;
}
