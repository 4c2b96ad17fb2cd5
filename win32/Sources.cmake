set(TESSEL_WIN32_WIN32
  Directory.cpp
  Exception.cpp
  Module.cpp
  WholeFile.cpp
)
