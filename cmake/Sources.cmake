# Platform-free sources: no <windows.h>, so they also build natively (sanitizers, fuzzing, benchmarks).
set(TESSEL_PORTABLE_SOURCES
  imaging/FileExtension.cpp
  settings/IndexName.cpp
  wallpaper/Shuffle.cpp
)

# Sources that need the Win32 API.
set(TESSEL_WIN32_SOURCES
  app/Exception.cpp
  imaging/ImageType.cpp
  settings/RegistryKey.cpp
  wallpaper/Directory.cpp
  wallpaper/WallpaperFolder.cpp
  wallpaper/WallpaperList.cpp
)

function(tessel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
endfunction()
