// Many new files written together: nothing takes a name before the flush, a name in use is
// never replaced, and temporary files not put in place are removed.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "app/model/NewFilesBatch.h"
#include "tests/app/TempFolder.h"

namespace natalis {
namespace {

std::vector<std::string> Todo(const std::string& carpeta) {
    std::vector<std::string> nombres;
    for (const auto& e : std::filesystem::directory_iterator(carpeta))
        nombres.push_back(e.path().filename().string());
    std::sort(nombres.begin(), nombres.end());
    return nombres;
}

TEST(NewFilesBatch, NamesOnlyAfterTheFlushAndNeverOverAFile) {
    TempFolder carpeta;
    WriteBytes(carpeta / "b.dat", "ya estaba");
    {
        NewFilesBatch lote(carpeta.path(), kTagCarta);
        ASSERT_TRUE(lote.Stage("a.dat", "uno").ok);
        ASSERT_TRUE(lote.Stage("b.dat", "dos").ok);
        ASSERT_TRUE(lote.Stage("c.dat", "tres").ok);
        EXPECT_EQ(lote.TempName(0).rfind(".a.dat.CARTA.", 0), 0u) << lote.TempName(0);
        EXPECT_EQ(ReadBytes(carpeta / lote.TempName(1)), "dos");
        // Before the flush no file takes a name.
        EXPECT_EQ(lote.PutInPlace(0, "a.dat"), EINVAL);
        EXPECT_FALSE(PathExists(carpeta.path(), "a.dat"));

        ASSERT_TRUE(lote.Flush().ok);
        EXPECT_EQ(lote.PutInPlace(0, "a.dat"), 0);
        EXPECT_EQ(lote.PutInPlace(0, "otra.dat"), EINVAL);  // already in place
        EXPECT_EQ(lote.PutInPlace(1, "b.dat"), EEXIST);
        EXPECT_EQ(ReadBytes(carpeta / "b.dat"), "ya estaba");
        EXPECT_EQ(lote.PutInPlace(1, "b (2).dat"), 0);
        lote.SyncFolder();
        EXPECT_EQ(Todo(carpeta.path()).size(), 4u);  // a, b, b (2) and c's temporary file
    }
    // The one never put in place is gone with the batch.
    EXPECT_EQ(Todo(carpeta.path()), (std::vector<std::string>{"a.dat", "b (2).dat", "b.dat"}));
    EXPECT_EQ(ReadBytes(carpeta / "a.dat"), "uno");
    EXPECT_EQ(ReadBytes(carpeta / "b (2).dat"), "dos");
}

TEST(NewFilesBatch, AFolderThatIsNotThereStagesNothing) {
    TempFolder carpeta;
    NewFilesBatch lote(carpeta / "falta/", kTagCarta);
    const FileWriteResult r = lote.Stage("a.dat", "uno");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(
        r.message.rfind("No se pudo guardar «a.dat»: no se pudo crear el archivo temporal", 0), 0u)
        << r.message;
    EXPECT_FALSE(lote.Flush().ok);
    EXPECT_TRUE(Todo(carpeta.path()).empty());
}

}  // namespace
}  // namespace natalis
