set(TESSEL_APP_PORTABLE
  CommandLine.cpp
)
set(TESSEL_APP_WIN32
  Arguments.cpp
  MainWindow.cpp
  OneShot.cpp
)
