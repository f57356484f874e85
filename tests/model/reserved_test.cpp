#include "model/defaults.h"
#include "model/normalise.h"
#include "model/page_values.h"
#include "model/sync_change.h"
#include "test_images.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

struct Operation {
    std::string name;
    std::function<void(TParamImage&)> run;
};

std::vector<Operation> AllOperations() {
    std::vector<Operation> ops = {
        {"Normalise", [](TParamImage& img) { NormaliseImage(img); }},
        {"DefaultsAll", [](TParamImage& img) { ApplyDefaults(img, PageSelection::All()); }},
        {"DefaultsKeepTriggers",
         [](TParamImage& img) { ApplyDefaults(img, PageSelection::All(), TriggerReset::Keep); }},
        {"ValuesRoundTrip", [](TParamImage& img) { ValuesToImage(ImageToValues(img), img); }},
        {"Pins", [](TParamImage& img) { ApplyEditionPins(img); }},
        {"PinnedValues",
         [](TParamImage& img) {
             TPageValues v = ImageToValues(img);
             PinBikePageValues(v);
             PinMiscPageValues(v);
             ApplyBikePageReadRule(v);
             ForceSecondEdgesForMethod8(v);
             ValuesToImage(v, img);
         }},
        {"SyncChangeYes",
         [](TParamImage& img) {
             TPageValues v = ImageToValues(img);
             ChangeSyncMethod(img, v, 5, 2, [] { return DefaultAnswer::Yes; });
         }},
        {"SyncChangeSpecial",
         [](TParamImage& img) {
             TPageValues v = ImageToValues(img);
             ChangeSyncMethod(img, v, 38, 4, [] { return DefaultAnswer::Yes; });
         }},
    };
    for (int g = 0; g < kPageGroupCount; ++g)
        ops.push_back({"Defaults" + std::to_string(g), [g](TParamImage& img) {
                           ApplyDefaults(img, PageSelection::Only(PageGroup(g)));
                       }});
    return ops;
}

TEST(ReservedBytes, SurviveEveryOperation) {
    for (const Operation& op : AllOperations()) {
        for (unsigned seed = 1; seed <= 10; ++seed) {
            for (int code : {20, 22, int(RandomImage(seed)[Field::BikeCode.offset])}) {
                TParamImage img = RandomImage(seed);
                img.set(Field::BikeCode, code);
                MarkReserved(img);
                op.run(img);
                for (int off : ReservedOffsets())
                    ASSERT_EQ(img[off], uint8_t(0xA0 ^ off))
                        << op.name << " seed " << seed << " code " << code << " offset " << off;
            }
        }
    }
}

TEST(ReservedBytes, StartupImageHasNoneSet) {
    const TParamImage img = StartupImage();
    for (int off : ReservedOffsets()) EXPECT_EQ(img[off], 0) << off;
}

} // namespace
