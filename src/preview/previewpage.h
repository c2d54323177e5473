#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The preview page as text: its templates, the filling of the placeholders,
// and the page written for a browser from the command line. No widgets, so
// the command line can use it without a display.

// The template used while the menu type has no template file of its own:
// 29 lines separated by CR LF.
QString builtInPreviewTemplate();

// The text of a template file with every line break as CR LF; nothing when
// the file cannot be read.
std::optional<QString> readPreviewTemplate(const QString &path);

// What fills a template's placeholders, already in the form the page needs.
struct PreviewFill
{
    QString engine;  // "@ENGINE"
    QString engine2; // "@2_ENGINE"
    QString engine3; // "@3_ENGINE"
    QString data;    // "@DATA"
    QString base;    // "@BASE"
};

// Replaces the placeholders in any letter case, in this order: the three
// engines, the data, the base. So a "@BASE" inside the data shows the base,
// while an "@ENGINE" inside the data stays as written.
QString assemblePreview(QString page, const PreviewFill &fill);

// The template with a first script that empties the page's storage once
// per `build`: each rebuild starts as a first visit, so what the engines
// keep in the browser (open branches, the selected tab) cannot hide the
// project's own start state; a reload of the same build keeps it. The
// script goes right after <head>, or first when there is none.
QString withFreshStorage(QString page, int build);

// A local path as an address for a page attribute: "#", "%", quotes and
// spaces in a folder name would otherwise cut it short.
QString fileAddress(const QString &path);

// The three engine file names of a menu type; the missing add-on engines
// are empty names.
QStringList previewEngineNames(int type);

// Writes the preview page of the data file `dataFile` to `out` and copies
// the menu type's engine files beside it, so the page works wherever the two
// are put together. False with `error` set when that could not be done.
bool exportPreview(const QString &programFolder, int type, const QString &dataFile, const QString &out,
                   QString *error);
