set(TESSEL_IMAGING_PORTABLE
  FileExtension.cpp
)
set(TESSEL_IMAGING_WIN32
  ImageType.cpp
)
