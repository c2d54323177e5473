#pragma once

#include <QString>

// Links and pictures of a menu are addresses on the web site, read by the
// browser relative to the page. A path of the user's own machine works only
// there, so the editor writes picked files relative to the project's links
// folder and warns about any local absolute path that remains.

// The local file a value names: a "file:" URL decoded, "\" turned into "/";
// anything else as it is.
QString localPathOf(const QString &value);

// True for a path only this machine can resolve: a "file:" URL, a drive path
// ("C:\", "C:/"), a network share ("\\server"), a home path ("~/"), or a
// root path into a folder of a desktop file system ("/home/", "/Users/",
// "/tmp/", ...). A root-relative site link such as "/about.html" is not one.
bool isLocalAbsolutePath(const QString &value);

// `picked` (a full path or "file:" URL) as a link from `folder` (with or
// without the trailing "/"), with "../" where it lies outside, "/"
// separators, spaces kept. It stays as it is when there is no folder or no
// way from the folder to it (another drive).
QString linkRelativeTo(const QString &picked, const QString &folder);
