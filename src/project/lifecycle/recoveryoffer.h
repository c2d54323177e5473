#pragma once

#include "project/lifecycle/recoveryfile.h"

#include <optional>

// Offers the projects that instances no longer running left unsaved, newest
// first, until one is taken: that file comes back (still held, to be kept up
// to date by the history) with its project in `contents`. A No removes the
// file offered; files of running instances are neither offered nor removed.
std::optional<RecoveryFile> offerRecovery(RecoveryFile::Contents &contents, const QString &folder = {});
