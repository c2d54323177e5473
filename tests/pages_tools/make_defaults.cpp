// Writes runtime/default_scripts/<type>/default.js, the project each menu
// type starts with, from tests/pages_tools/default_projects.json, and the
// shipped themes runtime/themes/<type>/<name>.js from
// tests/pages_tools/themes.json, through the real pages and the program's
// writer. Run after changing the description,
// the pages or the writer: build/tests/make_defaults

#include "project/model/menutypes.h"
#include "project/platform/textfile.h"
#include "support/defaultprojects.h"
#include "support/testmain.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char **argv)
{
    prepareTestEnvironment();
    Application app(argc, argv);
    const QString root = QStringLiteral(PLIVEX_SOURCE_DIR);
    for (int type = 0; type < kMenuTypeCount; ++type) {
        QString error;
        const QString text = buildDefaultProject(type, &error);
        if (text.isEmpty()) {
            std::fprintf(stderr, "make_defaults: %s\n", qPrintable(error));
            return 1;
        }
        const QString path = root + QStringLiteral("runtime/") + defaultProjectPath(type);
        if (!writeFileSafely(path, encodeText(text))) {
            std::fprintf(stderr, "make_defaults: cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("wrote %s\n", qPrintable(path));
        const QList<BuiltTheme> themes = buildThemes(type, &error);
        if (themes.isEmpty()) {
            std::fprintf(stderr, "make_defaults: %s\n", qPrintable(error));
            return 1;
        }
        for (const BuiltTheme &theme : themes) {
            const QString themeFile = root + QStringLiteral("runtime/") + theme.path;
            QDir().mkpath(QFileInfo(themeFile).path());
            if (!writeFileSafely(themeFile, encodeText(theme.text))) {
                std::fprintf(stderr, "make_defaults: cannot write %s\n", qPrintable(themeFile));
                return 1;
            }
            std::printf("wrote %s\n", qPrintable(themeFile));
        }
    }
    return 0;
}
