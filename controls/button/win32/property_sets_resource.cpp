#include "property_sets_resource.h"

#include <string_view>

PropertySetsReading LoadPropertySets(HINSTANCE instance, int resourceId) {
    const HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(resourceId), RT_RCDATA);
    const HGLOBAL loaded = found != nullptr ? LoadResource(instance, found) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        PropertySetsReading nothing;
        nothing.problems.push_back("no property sets among the resources");
        return nothing;
    }
    return ReadPropertySets(
        std::string_view(static_cast<const char*>(bytes), SizeofResource(instance, found)));
}
