set(TESSEL_WALLPAPER_PORTABLE
  Shuffle.cpp
)
set(TESSEL_WALLPAPER_WIN32
  Directory.cpp
  WallpaperFolder.cpp
  WallpaperList.cpp
)
