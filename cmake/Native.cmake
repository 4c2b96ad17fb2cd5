# Native build of the platform-free code only, with AddressSanitizer and UBSan.
set(TESSEL_SANITIZE "-fsanitize=address,undefined;-fno-sanitize-recover=all;-fno-omit-frame-pointer")
add_compile_options(-ffp-contract=off ${TESSEL_SANITIZE})
add_link_options(${TESSEL_SANITIZE})

add_library(tessel_portable STATIC ${TESSEL_PORTABLE_SOURCES})
target_include_directories(tessel_portable PUBLIC ${PROJECT_SOURCE_DIR})
tessel_warnings(tessel_portable)
