# The Qt front-end's build settings, read before anything is built.
find_package(Qt6 REQUIRED COMPONENTS Widgets Test)
qt_standard_project_setup()
