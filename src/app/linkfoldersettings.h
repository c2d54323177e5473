#pragma once

#include <QString>

class LinkFolders;

// The links folders the user chose, kept in the settings file beside the
// recent files (section "Link Folders": "file<N>" and "folder<N>", the latest
// first; an empty file is the folder chosen last).
void readLinkFolders(const QString &settingsFile, LinkFolders &folders);
// False when the settings file could not be written.
bool writeLinkFolders(const QString &settingsFile, const LinkFolders &folders);
