#pragma once

#include <QString>

class LinkFolders;
class SiteChoices;

// The links folders the user chose, kept in the settings file beside the
// recent files (section "Link Folders": "file<N>" and "folder<N>", the latest
// first; an empty file is the folder chosen last).
void readLinkFolders(const QString &settingsFile, LinkFolders &folders);
// False when the settings file could not be written.
bool writeLinkFolders(const QString &settingsFile, const LinkFolders &folders);

// The site folders and preview pages chosen per data file, in the section
// "Sites": "file<N>", "site<N>" and "page<N>", the latest first.
void readSiteChoices(const QString &settingsFile, SiteChoices &choices);
bool writeSiteChoices(const QString &settingsFile, const SiteChoices &choices);
