#pragma once

#include <QString>

// A folder of this user alone (mode 0700) for the preview page, made on first
// use and removed when the program ends; ends with "/". Empty when it cannot
// be made: a fixed path in the shared temporary folder instead could be
// planted beforehand by another local user.
QString previewTempFolder();
