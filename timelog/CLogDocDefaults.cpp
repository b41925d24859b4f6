// CLogDoc: the reference data a new user starts with: categories, expense types and project types.
#include "timelog/CLogDoc.h"

#include "foundation/Registry.h"

namespace {

const char* const kDefaultCategories[] = {
    "Administration", "Design",   "Implementation", "Management", "Meeting", "Other", "QA",
    "Requirements",   "Research", "Support",        "Telephone",  "Travel"};

const char* const kDefaultExpenseTypes[] = {
    "Airfare", "Breakfast", "Bus",   "Business Meals", "Car Rental", "Dinner", "Entertainment", "Fax",
    "Gas",     "Gifts",     "Hold",  "Incidentals",    "Laundry",    "Limo",   "Lodging",       "Lunch",
    "Meals",   "Mileage",   "Other", "Parking",        "Postage",    "Snack",  "Subway",        "Supplies",
    "Taxi",    "Telephone", "Tips",  "Tolls",          "Train"};

const char* const kDefaultProjectTypes[] = {"Development Projects", "Marketing Projects",
                                            "Consulting Projects", "In-house Projects",
                                            "Customer Service Projects"};

} // namespace

void CLogDoc::CreateDefaultCategories() {
    bool created = false;
    RegReadBool(REG_DATABASE, "Categories created", &created);
    if (created)
        return;
    RegWriteBool(REG_DATABASE, "Categories created", true);
    for (const char* name : kDefaultCategories)
        FindOrAddCategory(name, "");
}

void CLogDoc::CreateDefaultExpenseTypes() {
    bool created = false;
    RegReadBool(REG_DATABASE, "Expense types created", &created);
    if (created)
        return;
    bool inDatabase = false;
    if (CanWriteTables())
        m_DefaultSet.GetExpenseTypesFlag(this, &inDatabase);
    if (!inDatabase) {
        for (const char* name : kDefaultExpenseTypes)
            FindOrAddExpenseType(name, "");
    }
    RegWriteBool(REG_DATABASE, "Expense types created", true);
    if (!inDatabase && CanWriteTables())
        m_DefaultSet.SetExpenseTypesFlag(this, true);
}

void CLogDoc::CreateDefaultProjectTypes() {
    for (const char* name : kDefaultProjectTypes)
        FindOrAddProjectType(name);
}

CCategory* CLogDoc::GetDefaultCategory() {
    if (m_Categories.IsEmpty())
        CreateDefaultCategories();
    if (CCategory* pCategory = FindCategoryByName("Implementation"))
        return pCategory;
    return m_Categories.IsEmpty() ? nullptr : m_Categories.GetAt(0);
}
