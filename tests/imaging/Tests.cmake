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
  imaging/CanvasTest.cpp
  imaging/DesktopFitTest.cpp
  imaging/JpegDecodeTest.cpp
  imaging/OrientationTest.cpp
  imaging/PreviewLayoutTest.cpp
  imaging/ReferenceFill.cpp
)
if(WIN32)
  tessel_test(imaging_tests
    imaging/BitmapFileTest.cpp
    imaging/ImageLoaderTest.cpp
    imaging/ImagingTestUtil.cpp
    imaging/JpegWallpaperMakerTest.cpp
    imaging/OleWallpaperMakerTest.cpp
    imaging/ReferenceFill.cpp
    imaging/WallpaperMakerTest.cpp
  )
  tessel_imaging_fixtures(imaging_tests)
  add_dependencies(imaging_tests ifwic)
endif()
if(WIN32)
  tessel_test(spi_tests
    imaging/SpiIfWicTest.cpp
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
    imaging/HostileImageTest.cpp
    imaging/ImagingTestUtil.cpp
  )
  add_dependencies(imaging_hostile_tests ifwic)
  tessel_imaging_fixtures(imaging_hostile_tests)
endif()
list(APPEND TESSEL_PORTABLE_TESTS imaging/HostileBmpCheckTest.cpp)
