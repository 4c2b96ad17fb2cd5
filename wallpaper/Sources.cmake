set(TESSEL_WALLPAPER_PORTABLE
  Shuffle.cpp
  ShuffleRound.cpp
)
set(TESSEL_WALLPAPER_WIN32
  WallpaperFolder.cpp
  WallpaperList.cpp
)
