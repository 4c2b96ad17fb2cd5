set(TESSEL_SETTINGS_PORTABLE
  IndexName.cpp
)
set(TESSEL_SETTINGS_WIN32
  RegistryKey.cpp
)
