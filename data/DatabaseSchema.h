// The database layout this program needs: every table and column with its type, in the SQL Server
// dialect (CLogDatabase maps the two types Access names differently). CLogDatabase creates what is
// missing from a data source.
#pragma once

struct SchemaRow {
    const char* table;
    const char* column;
    const char* type;
};

// The rows of one table are contiguous and the first row of a table creates it; the list ends with a
// row whose column name is empty.
extern const SchemaRow g_databaseSchema[];
