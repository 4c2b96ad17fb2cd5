# make run   — install what is missing, build, start Tessel.exe under Wine
# make test  — install what is missing, build everything, run every test
# make package — the release ZIP (build/win/Tessel-<version>-win32.zip)
BUILD := build
# libjpeg-turbo's source, which tools/setup fetches.
JPEG_SOURCE := -DTESSEL_JPEG_SOURCE=$(abspath $(BUILD))/third-party/libjpeg-turbo
CMAKE_WIN := cmake -S . -B $(BUILD)/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
	-DCMAKE_TOOLCHAIN_FILE=cmake/i686-w64-mingw32.cmake $(JPEG_SOURCE)
# Only for hosts that run no 32-bit code: the same sources for 64-bit Wine (tools/wine-arch).
CMAKE_WIN64 := cmake -S . -B $(BUILD)/win64 -G Ninja -DCMAKE_BUILD_TYPE=Release \
	-DCMAKE_TOOLCHAIN_FILE=cmake/x86_64-w64-mingw32.cmake $(JPEG_SOURCE)
CMAKE_NATIVE := cmake -S . -B $(BUILD)/native -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++

.PHONY: run test package setup build-win build-native clean

setup:
	@tools/setup $(BUILD)

build-win: setup
	$(CMAKE_WIN)
	cmake --build $(BUILD)/win
	@if [ "$$(tools/wine-arch)" = win64 ]; then \
	  echo "build: this host runs no 32-bit code; Wine runs the 64-bit build $(BUILD)/win64"; \
	  $(CMAKE_WIN64) && cmake --build $(BUILD)/win64; \
	fi

build-native: setup
	$(CMAKE_NATIVE)
	cmake --build $(BUILD)/native

run: build-win
	tools/run-tessel $(BUILD)

test: build-win build-native
	tools/run-tests $(BUILD)

package: build-win
	cd $(BUILD)/win && cpack -G ZIP

clean:
	rm -rf $(BUILD)
