/* The exported interface called from C, through the header alone. */
#include <stdio.h>
#include <string.h>

#include "QM7Lemmatiser.h"

int lemmatiser_c_api_checks(const char* data_dir);

static int failures;

#define CHECK(condition)                                                                           \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);          \
            ++failures;                                                                            \
        }                                                                                          \
    } while (0)

static int wide_equal(const void* a, const char16_t* b) {
    const char16_t* p = (const char16_t*)a;
    if (p == NULL)
        return 0;
    while (*p != 0 && *p == *b) {
        ++p;
        ++b;
    }
    return *p == *b;
}

static int ansi_equal(const void* a, const char* b) {
    return a != NULL && strcmp((const char*)a, b) == 0;
}

/* data_dir/name as UTF-16 (the test paths are ASCII). */
static const char16_t* data_file(const char* data_dir, const char* name) {
    static char16_t path[1024];
    size_t n = 0;
    const char* parts[3] = {data_dir, "/", name};
    for (int i = 0; i < 3; ++i)
        for (const char* c = parts[i]; *c != 0 && n + 1 < sizeof path / sizeof path[0]; ++c)
            path[n++] = (char16_t)(unsigned char)*c;
    path[n] = 0;
    return path;
}

struct counts {
    int visits;
    int last_out_of;
    int announcements;
    int last_announced;
    int yields;
};

static void count_visit(void* object, const TLemmaEntryRec* t, uint8_t in_unicode,
                        uint8_t consider_affixes, int32_t this_, int32_t out_of) {
    struct counts* c = (struct counts*)object;
    (void)in_unicode;
    (void)consider_affixes;
    (void)this_;
    if (t != NULL && t->variantp != NULL && t->headwordp != NULL)
        ++c->visits;
    c->last_out_of = out_of;
}

static void count_match(void* object, TMatchEntryRec t, uint8_t in_unicode,
                        uint8_t consider_affixes, int32_t this_, int32_t out_of) {
    (void)in_unicode;
    (void)consider_affixes;
    (void)this_;
    (void)out_of;
    if (t.searchp != NULL)
        ++((struct counts*)object)->visits;
}

static void count_announcement(void* object, int32_t n, const char16_t* mess) {
    struct counts* c = (struct counts*)object;
    if (wide_equal(mess, u"lemmas")) {
        ++c->announcements;
        c->last_announced = n;
    }
}

static void count_yield(void* object) {
    ++((struct counts*)object)->yields;
}

static void check_lemma_file(const char* data_dir, const char* name, uint8_t slot, int unicode) {
    struct counts c = {0};
    TAnnounceNumberAndMessageProc announce = {count_announcement, &c};
    TShowSomeProgressProc no_progress = {NULL, NULL};
    CHECK(LoadedOne(slot, data_file(data_dir, name), QM7_KIND_LEMMA, announce, no_progress, 0x0409,
                    1, 0) == -1);
    CHECK(c.announcements == 3 && c.last_announced == 9);
    CHECK(LemmaPairEntriesAltogether(slot) == 9);
    CHECK(LemmaHeadWordsCount(slot) == 3);
    CHECK(wide_equal(LemmaHeadWords(slot, 0), u"BE"));
    CHECK(wide_equal(LemmaHeadWords(slot, 2), u"GO"));
    CHECK(LemmaHeadWords(slot, 3) == NULL);
    CHECK(wide_equal(LemmaVariantsOf(slot, u"go", u", "), u"GOES, GOING, WENT, GONE"));
    CHECK(wide_equal(LemmaVariantsOf(slot, u"be", u"|"), u"AM|IS|ARE|WAS"));

    if (unicode) {
        CHECK(wide_equal(WordListerChangeWord(slot, u"WENT", 0, -1), u"GO"));
        CHECK(wide_equal(WordListerChangeWord(slot, u"CAFÉS", 0, -1), u"CAFÉ"));
        CHECK(ansi_equal(WordListerChangeWord(slot, u"CAFÉS", 0, 0), "CAF\xC9"));
    } else {
        CHECK(ansi_equal(WordListerChangeWord(slot, "WENT", 0, 0), "GO"));
        CHECK(ansi_equal(WordListerChangeWord(slot, "CAF\xC9S", 0, 0), "CAF\xC9"));
        CHECK(wide_equal(WordListerChangeWord(slot, "CAF\xC9S", 0, -1), u"CAFÉ"));
    }
    /* Either way, a word given in the other encoding is converted. */
    CHECK(wide_equal(FoundInTheList(slot, "WAS", 0, QM7_KIND_LEMMA), u"BE"));
    CHECK(wide_equal(FoundInTheList(slot, u"WAS", 1, QM7_KIND_LEMMA), u"BE"));
    CHECK(FoundInTheList(slot, u"BE", 1, QM7_KIND_LEMMA) == NULL);

    CHECK(TraversedOne(slot, 100, QM7_KIND_LEMMA) == 9);
    CHECK(wide_equal(GetAString(0, 1, 0), u"AM (BE)"));
    CHECK(ansi_equal(GetAString(1, 0, 0), "ARE (BE)"));
    CHECK(GetAString(9, 1, 0) == NULL);

    THandleLemmaProc visit = {count_visit, &c};
    TraverseLemmasDoing(slot, visit);
    CHECK(c.visits == 9);
    CHECK(c.last_out_of == 9 + 19);
}

int lemmatiser_c_api_checks(const char* data_dir) {
    failures = 0;
    TAnnounceNumberAndMessageProc no_announce = {NULL, NULL};
    TShowSomeProgressProc no_progress = {NULL, NULL};
    CHECK(QM7Lemmatiser_SetSystemCodePage(1252) == -1);

    struct counts yields = {0};
    QM7YieldProc hook = {count_yield, &yields};
    QM7Lemmatiser_SetYieldHook(hook);
    check_lemma_file(data_dir, "lemmas_ansi.txt", 10, 0);
    check_lemma_file(data_dir, "lemmas_utf16le.txt", 11, 1);
    check_lemma_file(data_dir, "lemmas_utf16be.txt", 12, 1);
    QM7YieldProc no_hook = {NULL, NULL};
    QM7Lemmatiser_SetYieldHook(no_hook);
    CHECK(yields.yields > 0);

    const char16_t* match = data_file(data_dir, "match_ansi.txt");
    CHECK(LoadedOne(10, match, QM7_KIND_MATCH, no_announce, no_progress, 0x0409, 1, 1) == -1);
    CHECK(MatchListWordsCount(10) == 3);
    CHECK(ansi_equal(FoundInTheList(10, "New York, NY", 0, QM7_KIND_MATCH), "New York, NY"));
    CHECK(LoadedOne(10, match, QM7_KIND_MATCH, no_announce, no_progress, 0x0409, 1, 0) == -1);
    CHECK(MatchListWordsCount(10) == 4);
    CHECK(FoundInTheList(10, "New York, NY", 0, QM7_KIND_MATCH) == NULL);
    struct counts visits = {0};
    THandleMatchProc visit = {count_match, &visits};
    TraverseMatchesDoing(10, visit);
    CHECK(visits.visits == 3);

    CHECK(LoadedOne(10, data_file(data_dir, "stop_utf16le.txt"), QM7_KIND_STOP, no_announce,
                    no_progress, 0x0409, 1, 0) == -1);
    CHECK(StopListWordsCount(10) == 3);
    CHECK(wide_equal(FoundInTheList(10, "OF", 0, QM7_KIND_STOP), u"OF"));
    CHECK(LoadedOne(10, data_file(data_dir, "relation_ansi.txt"), QM7_KIND_RELATION, no_announce,
                    no_progress, 0x0409, 1, 0) == -1);
    CHECK(TraversedOne(10, 10, QM7_KIND_RELATION) == 2);
    CHECK(ansi_equal(GetAString(0, 0, 0), "HATE"));

    CHECK(LoadedOne(13, data_file(data_dir, "empty_utf16le.txt"), QM7_KIND_LEMMA, no_announce,
                    no_progress, 0x0409, 1, 0) == 0);
    CHECK(LoadedOne(13, data_file(data_dir, "lemmas_ansi.txt"), 4, no_announce, no_progress, 0x0409,
                    1, 0) == 0);
    CHECK(LoadedOne(22, data_file(data_dir, "lemmas_ansi.txt"), QM7_KIND_LEMMA, no_announce,
                    no_progress, 0x0409, 1, 0) == 0);
    CHECK(WordListerChangeWord(22, "WENT", 0, 0) != NULL);
    CHECK(TraversedOne(22, 10, QM7_KIND_LEMMA) == 0);

    for (uint8_t kind = 0; kind < 5; ++kind)
        for (uint8_t slot = 10; slot < 14; ++slot)
            CHECK(ClearOne(slot, kind) == -1);
    CHECK(LemmaHeadWordsCount(10) == 0);
    return failures;
}
