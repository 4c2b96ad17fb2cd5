list(APPEND TESSEL_PORTABLE_TESTS
  wallpaper/NameOrderTest.cpp
  wallpaper/PositionTest.cpp
  wallpaper/ShuffleTest.cpp
  wallpaper/ShuffleRoundTest.cpp
)
if(WIN32)
  tessel_test(wallpaper_tests
    wallpaper/WallpaperFolderTest.cpp
    wallpaper/WallpaperListTest.cpp
    wallpaper/NavigationTest.cpp
  )
endif()
