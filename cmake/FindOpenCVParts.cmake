# OpenCV's core, imgproc and imgcodecs, as Debian's component -dev packages
# ship them: without OpenCVConfig.cmake or a pkg-config file, which come only
# with the full libopencv-dev. Defines the imported target OpenCV::Parts.
find_path(OpenCVParts_INCLUDE_DIR opencv2/imgproc.hpp PATH_SUFFIXES opencv4)
find_library(OpenCVParts_core_LIBRARY opencv_core)
find_library(OpenCVParts_imgproc_LIBRARY opencv_imgproc)
find_library(OpenCVParts_imgcodecs_LIBRARY opencv_imgcodecs)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(OpenCVParts
    REQUIRED_VARS OpenCVParts_INCLUDE_DIR OpenCVParts_core_LIBRARY
                  OpenCVParts_imgproc_LIBRARY OpenCVParts_imgcodecs_LIBRARY)

if(OpenCVParts_FOUND AND NOT TARGET OpenCV::Parts)
    add_library(OpenCV::Parts INTERFACE IMPORTED)
    # SYSTEM: under C++20 the OpenCV headers warn by the dozen.
    set_target_properties(OpenCV::Parts PROPERTIES
        INTERFACE_SYSTEM_INCLUDE_DIRECTORIES "${OpenCVParts_INCLUDE_DIR}"
        INTERFACE_INCLUDE_DIRECTORIES "${OpenCVParts_INCLUDE_DIR}"
        INTERFACE_LINK_LIBRARIES "${OpenCVParts_imgcodecs_LIBRARY};${OpenCVParts_imgproc_LIBRARY};${OpenCVParts_core_LIBRARY}")
endif()
mark_as_advanced(OpenCVParts_INCLUDE_DIR OpenCVParts_core_LIBRARY OpenCVParts_imgproc_LIBRARY
                 OpenCVParts_imgcodecs_LIBRARY)
