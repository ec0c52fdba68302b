// Word lists of a synthetic company. Texts are UTF-8; a few carry accented letters that
// have a Windows-1252 form, as real vendor names do.
#include "word_lists.h"

const std::vector<std::string>& otherPartNames() {
    static const std::vector<std::string> names{
        "Fund",     "Location", "Program", "Project", "Grant",   "Activity", "Site",
        "Function", "Source",   "Object",  "Service", "Campus",  "Facility", "Contract",
        "Event",    "Element",  "Purpose", "Channel", "Product", "Task"};
    return names;
}

const std::vector<std::string>& derivedPartNames() {
    static const std::vector<std::string> names{
        "Dept",    "Division", "Unit", "Section", "Office", "Branch", "Team",
        "Bureau",  "Agency",   "Desk", "Crew",    "Ward",   "Post",   "Center",
        "Station", "Depot",    "Lab",  "Shop",    "Clinic", "School"};
    return names;
}

// "Group" and "Order" are SQL keywords on purpose: every reader must quote part names.
const std::vector<std::string>& rollupNames() {
    static const std::vector<std::string> names{
        "Region", "Group",  "Area",   "Category", "Cluster", "Zone", "Sector",
        "Class",  "Family", "Band",   "District", "Tier",    "Pool", "Segment",
        "Realm",  "Domain", "Circle", "Block",    "Order",   "Level"};
    return names;
}

const std::vector<Subject>& subjects() {
    static const std::vector<Subject> list{
        {"General Operating", "General"},
        {"Capital Projects", "Capital"},
        {"Community Development", "Community"},
        {"Debt Service", "Debt Service"},
        {"Permanent Endowment", "Endowment"},
        {"Foundation Gifts", "Foundation"},
        {"Disaster Recovery", "Recovery"},
        {"Fleet Services", "Fleet"},
        {"Head Start", "Head Start"},
        {"Health Center", "Health"},
        {"Housing Partnership", "Housing"},
        {"Self-Insurance", "Insurance"},
        {"Marina Enterprise", "Marina"},
        {"Operating Reserve", "Reserve"},
        {"Scholarships", "Scholarships"},
        {"Aging Services", "Aging"},
        {"Utility Enterprise", "Utility"},
        {"Workforce Training", "Workforce"},
        {"Nutrition Program", "Nutrition"},
        {"Parks and Recreation", "Parks"},
        {"Public Works", "Public Works"},
        {"Library Services", "Library"},
        {"Senior Center", "Seniors"},
        {"Emergency Shelter", "Shelter"},
        {"Street Maintenance", "Streets"},
        {"Solid Waste", "Solid Waste"},
        {"Transportation", "Transport"},
        {"Veterans Services", "Veterans"},
        {"Water Utility", "Water"},
        {"Youth Services", "Youth"},
        {"Finance and Budget", "Finance"},
        {"Human Resources", "HR"},
        {"Information Systems", "IT"},
        {"Planning and Zoning", "Planning"},
        {"Animal Services", "Animals"},
        {"Museum and Archives", "Museum"},
        {"Cemetery Trust", "Cemetery"},
        {"Airport Enterprise", "Airport"},
        {"Child Care", "Child Care"},
        {"Café and Catering", "Café"},
    };
    return list;
}

const std::vector<std::string>& vendors() {
    static const std::vector<std::string> list{
        "Allied Uniform Rental",    "Basin Paving Co",         "Blue Heron Catering",
        "Bright Spark Electric",    "Northgate Office Supply", "Cascade Auto Parts",
        "Copperline Telecom",       "Crescent Tire",           "Evergreen Waste Hauling",
        "Foxglove Books",           "Granite Hill Lab",        "Greenway Landscaping",
        "Harbor Marine Services",   "Kessler Roofing",         "Lakeshore Printing",
        "Maple Ridge Lumber",       "Meridian Software",       "Mill Street Press",
        "Orchard Hill Nursery",     "Pioneer Insurance",       "Prairie Wind Consulting",
        "Redwood Legal Group",      "Ridgeview Pharmacy",      "Sterling Security",
        "Summit Janitorial",        "Tri-County Fuel",         "Union Gas and Power",
        "Crème de la Crème Bakery", "Müller Hydraulics",       "Façade Restoration Ltd",
    };
    return list;
}

const std::vector<std::string>& payers() {
    static const std::vector<std::string> list{
        "State Health Department", "County Board",         "State Aging Office",
        "Federal Transit Office",  "United Way",           "Hollis Family Foundation",
        "Medicaid remittance",     "Medicare remittance",  "Program participants",
        "Member agencies",         "Tenant rents",         "School district",
        "City of Wrenfield",       "Regional Water Board", "Private insurers",
    };
    return list;
}

const std::vector<std::string>& monthNames() {
    static const std::vector<std::string> list{"January",   "February", "March",    "April",
                                               "May",       "June",     "July",     "August",
                                               "September", "October",  "November", "December"};
    return list;
}
