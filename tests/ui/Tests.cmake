if(WIN32)
  tessel_test(ui_tests
    ui/ModalDriver.cpp
    ui/UiFixture.cpp
    ui/DialogUtilTest.cpp
    ui/SettingsSheetTest.cpp
    ui/FolderPageTest.cpp
    ui/OptionPageTest.cpp
    ui/HotkeyPageTest.cpp
    ui/RunPageTest.cpp
    ui/SpiPageTest.cpp
    ui/FileListDialogTest.cpp
    ui/FileListHostileTest.cpp
    imaging/HostileImages.cpp
    imaging/ImagingTestUtil.cpp
    ui/ProcessRegisterDialogTest.cpp
    ui/Screenshots.cpp
    ui/ScreenDpiTest.cpp
    # The dialogs and menus load from the running program's own resources.
    ${PROJECT_SOURCE_DIR}/resources/Dialogs.rc
    ${PROJECT_SOURCE_DIR}/resources/Tessel.rc
  )
  add_dependencies(ui_tests tpic1)
  tessel_imaging_fixtures(ui_tests)
endif()
