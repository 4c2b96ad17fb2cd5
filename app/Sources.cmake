set(TESSEL_APP_PORTABLE)
set(TESSEL_APP_WIN32
  Exception.cpp
)
