set(TESSEL_WIN32_WIN32
  AnsiPath.cpp
  Directory.cpp
  Exception.cpp
  Module.cpp
  WholeFile.cpp
)
