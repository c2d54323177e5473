#pragma once

#include <QString>

// A folder of this user alone (mode 0700) for the preview page, made on first
// use and removed when the program ends; ends with "/". A fixed shared path
// could be planted beforehand by another local user.
QString previewTempFolder();
