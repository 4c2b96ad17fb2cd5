list(APPEND TESSEL_PORTABLE_TESTS imaging/FileExtensionTest.cpp)
list(APPEND TESSEL_PORTABLE_TESTS
  imaging/SpiPictureTest.cpp
  imaging/SpiIfWicPixelsTest.cpp
  ../plugins/ifwic/BgraToDib.cpp
  ../plugins/ifwic/ImageSignature.cpp
)
list(APPEND TESSEL_PORTABLE_TESTS
  imaging/BilinearFillTest.cpp
  imaging/BitmapLayoutTest.cpp
  imaging/DesktopFitTest.cpp
  imaging/PreviewLayoutTest.cpp
  imaging/ReferenceFill.cpp
)
if(WIN32)
  tessel_test(imaging_tests
    imaging/BitmapFileTest.cpp
    imaging/ImageLoaderTest.cpp
    imaging/ImagingTestUtil.cpp
    imaging/OleWallpaperMakerTest.cpp
    imaging/ReferenceFill.cpp
    imaging/WallpaperMakerTest.cpp
  )
  add_custom_command(TARGET imaging_tests POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_CURRENT_SOURCE_DIR}/imaging/fixtures
            $<TARGET_FILE_DIR:imaging_tests>/imaging-fixtures)
endif()
if(WIN32)
  tessel_test(spi_tests
    imaging/SpiIfWicTest.cpp
    imaging/TestPng.cpp
    imaging/SpiManagerTest.cpp
    imaging/SpiOptionsTest.cpp
    imaging/SpiTestSupport.cpp
    imaging/SpiWallpaperMakerTest.cpp
  )
  add_dependencies(spi_tests ifwic tpic1 tpic2 nogetpicture)
endif()
if(WIN32)
  tessel_test(imaging_hostile_tests
    imaging/HostileImages.cpp
    imaging/TestPng.cpp
    imaging/HostileImageTest.cpp
    imaging/ImagingTestUtil.cpp
  )
  add_dependencies(imaging_hostile_tests ifwic)
  add_custom_command(TARGET imaging_hostile_tests POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_CURRENT_SOURCE_DIR}/imaging/fixtures
            $<TARGET_FILE_DIR:imaging_hostile_tests>/imaging-fixtures)
endif()
list(APPEND TESSEL_PORTABLE_TESTS imaging/HostileBmpCheckTest.cpp)
