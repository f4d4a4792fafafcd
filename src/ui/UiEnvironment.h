#pragma once

// Settings every process that shows the window needs before its
// QGuiApplication exists: the app, the ui tests and the benchmarks.
namespace UiEnvironment {

// The program keeps no files: QML is compiled into the binary and Qt's disk
// caches for QML and shaders stay off. The controls use the Fusion style,
// which draws from the system palette in light and dark mode alike.
void prepare();

} // namespace UiEnvironment
