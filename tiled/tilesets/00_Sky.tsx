<?xml version="1.0" encoding="UTF-8"?>
<tileset version="1.8" tiledversion="1.8.2" name="00_Sky" tilewidth="1600" tileheight="900" tilecount="4" columns="0">
 <grid orientation="orthogonal" width="1" height="1"/>
 <properties>
  <property name="nextTileId" type="int" value="4"/>
 </properties>
 <tile id="0">
  <image width="1600" height="900" source="00_Sky/Arena_Backdrop.png"/>
 </tile>
 <tile id="1">
  <image width="1280" height="720" source="00_Sky/Loading.png"/>
 </tile>
 <tile id="2">
  <image width="1600" height="900" source="00_Sky/Sky_Forest.png"/>
 </tile>
 <tile id="3">
  <image width="1600" height="900" source="00_Sky/Sky_Meadow.png"/>
 </tile>
</tileset>
