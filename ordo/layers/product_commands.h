// The product's AutoLISP commands that the layer windows call, and what each is for.
#pragma once

namespace vexa::ordo::product {

inline constexpr const wchar_t* kSeriesCode = L"C:Vexa-Layer-SN";          // lengths and captions
inline constexpr const wchar_t* kWriteSeriesCode = L"C:Vexa-Layer-SN-W";   // group length, SN length
inline constexpr const wchar_t* kNewLayer = L"C:Vexa-Layer-NEW";           // rows and captions for a main layer
inline constexpr const wchar_t* kMakeLayers = L"C:Vexa-Layer-NEW-W";       // the rows to make
inline constexpr const wchar_t* kEditLayer = L"C:Vexa-Layer-EDIT";         // rows and captions of a series
inline constexpr const wchar_t* kChangeLayers = L"C:Vexa-Layer-EDIT-W";    // the rows to change
inline constexpr const wchar_t* kPurgeLayers = L"C:Vexa-Layer-Purge";      // the names purged
inline constexpr const wchar_t* kFlashColour = L"C:Vexa-FlashColor";       // colour indexes for a press
inline constexpr const wchar_t* kDisplaySetup = L"C:Vexa-OrdoEnvSetup";    // darkness, transparency

}  // namespace vexa::ordo::product
