// How a module's entry points are exported; the build names the platform's attribute
// (default visibility here, dllexport for a Windows build).
#pragma once

#ifndef VEXA_EXPORT_ATTRIBUTE
#error "the build defines VEXA_EXPORT_ATTRIBUTE"
#endif

#define VEXA_EXPORT extern "C" VEXA_EXPORT_ATTRIBUTE
