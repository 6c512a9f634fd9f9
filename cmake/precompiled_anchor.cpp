// The one source of the targets that hold the precompiled headers
// (cmake/PrecompiledHeaders.cmake): they need a source to build them with.
