set(TESSEL_IMAGING_PORTABLE
  FileExtension.cpp
  BilinearFill.cpp
  BitmapLayout.cpp
  DesktopFit.cpp
  Canvas.cpp
  PreviewLayout.cpp
  Orientation.cpp
  ExifOrientation.cpp
  JpegDecode.c
)
set(TESSEL_IMAGING_WIN32
  ImageType.cpp
  BitmapFile.cpp
  PreviewBackground.cpp
  WallpaperMaker.cpp
  OleWallpaperMaker.cpp
  JpegWallpaperMaker.cpp
  ImageLoader.cpp
)
list(APPEND TESSEL_IMAGING_PORTABLE SpiPicture.cpp)
list(APPEND TESSEL_IMAGING_WIN32 Spi.cpp SpiManager.cpp SpiOptions.cpp SpiWallpaperMaker.cpp)
list(APPEND TESSEL_IMAGING_PORTABLE BmpFileCheck.cpp)
