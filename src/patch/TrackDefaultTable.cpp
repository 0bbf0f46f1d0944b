#include "patch/TrackDefaultTable.h"

// Slot 7's album repeats its artist, slot 17 shares slot 1's artist and album, and slots 23 and 25
// share slot 21's album, as on the host's own soundtrack.
const std::array<TrackDefaults, TrackSlotCount> TrackDefaultTable = {{
    {"Song1", {"\"Neon Overdrive\"", "Static Harbor", "Low Orbit Lights", "IG"}},
    {"Song2", {"\"Asphalt Hymn\"", "The Gravel Saints", "Burnout Season", "IG"}},
    {"Song3", {"\"Redline Heart\"", "Vela Kroner", "Glass Motorway", "IG"}},
    {"Song4", {"\"Night Circuit\"", "Ohm Parade", "Voltage Diaries", "IG"}},
    {"Song5", {"\"Crosswind\"", "Marrow & Chrome", "", "IG"}},
    {"Song6", {"\"Slipstream Blues\"", "Juniper Static", "Tailwind Stories", "IG"}},
    {"Song7", {"\"Paper Tigers Run\"", "Kestrel Youth", "Kestrel Youth", "IG"}},
    {"Song8", {"\"Chrome Horizon\"", "Dune Relay", "Sand and Signal", "IG"}},
    {"Song9", {"\"Four Wheel Drift\"", "The Tarmac Ghosts", "Ghost Lap", "IG"}},
    {"Song10", {"\"Overpass\"", "Lumen Drive", "City of Exits", "IG"}},
    {"Song11", {"\"Pit Lane Lullaby\"", "Harriet Vane Trio", "Slow Corners", "IG"}},
    {"Song12", {"\"Gearshift Gospel\"", "Brass Ignition", "Hymns for Engines", "IG"}},
    {"Song13", {"\"Afterburn\"", "Coldwater Radio", "Frequencies", "IG"}},
    {"Song14", {"\"Dust Devil\"", "Mesa Sound System", "High Desert Tapes", "IG"}},
    {"Song15", {"\"Last Checkpoint\"", "Ivory Turbine", "Finish Line Fever", "IG"}},
    {"Song16", {"\"Rubber and Rain\"", "The Wet Apex", "Monsoon Laps", "IG"}},
    {"Song17", {"\"Quarter Mile Kiss\"", "Static Harbor", "Low Orbit Lights", "IG"}},
    {"Song18", {"\"Headlight Serenade\"", "Nova Caravan", "Long Haul Dreams", "IG"}},
    {"Song19", {"\"Photo Finish\"", "Kilo Echo", "Split Seconds", "IG"}},
    {"Song20", {"\"Starting Grid\"", "Tessellate", "Grid Sessions", "FE"}},
    {"Song21", {"\"Garage Days\"", "Mono Atlas", "Front End Works", "FE"}},
    {"Song22", {"\"Paint Shop\"", "Cinder Loop", "Color Select", "FE"}},
    {"Song23", {"\"Tune-Up\"", "Halcyon Bolt", "Front End Works", "FE"}},
    {"Song24", {"\"Waiting Room\"", "Ferro Lux", "", "FE"}},
    {"Song25", {"\"Trophy Cabinet\"", "Echo Garage", "Front End Works", "FE"}},
    {"Song26", {"\"Credits Roll\"", "The Night Shift Crew", "Closing Laps", "FE"}},
}};
