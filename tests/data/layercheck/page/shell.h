#pragma once

extern bool (*openWithShell)(const QUrl &target);
