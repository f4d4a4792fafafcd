// SPDX-FileCopyrightText: 2026 Parvento-Entwickler
// SPDX-License-Identifier: MIT
#pragma once

// Settings every process that shows the window needs before its
// QGuiApplication exists: the app, the ui tests and the benchmarks.
namespace UiEnvironment {

// The program keeps no files: QML is compiled into the binary and Qt's disk
// caches for QML and shaders stay off. The controls use the Fusion style,
// which draws from the system palette in light and dark mode alike.
void prepare();

// Picks Qt Quick's software renderer when the only OpenGL on offer is a
// software rasteriser (virtual machines, virtual displays, remote desktops),
// unless the user chose a backend. Call once the QGuiApplication exists and
// before the first window is created.
void chooseSceneGraphBackend();

} // namespace UiEnvironment
