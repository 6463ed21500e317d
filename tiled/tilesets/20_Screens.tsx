<?xml version="1.0" encoding="UTF-8"?>
<tileset version="1.8" tiledversion="1.8.2" name="20_Screens" tilewidth="1280" tileheight="720" tilecount="13" columns="0">
 <grid orientation="orthogonal" width="1" height="1"/>
 <properties>
  <property name="nextTileId" type="int" value="13"/>
 </properties>
 <tile id="0">
  <image width="1280" height="720" source="20_Screens/ConfirmationScreen.png"/>
 </tile>
 <tile id="1">
  <image width="1280" height="720" source="20_Screens/ControlsScreen.png"/>
 </tile>
 <tile id="2">
  <image width="1280" height="720" source="20_Screens/CreditsScreen.png"/>
 </tile>
 <tile id="3">
  <image width="800" height="160" source="20_Screens/For_Now.png"/>
 </tile>
 <tile id="4">
  <image width="900" height="200" source="20_Screens/Game_Over.png"/>
 </tile>
 <tile id="5">
  <image width="1280" height="720" source="20_Screens/HowToPlayScreen.png"/>
 </tile>
 <tile id="6">
  <image width="1280" height="720" source="20_Screens/LevelsScreen.png"/>
 </tile>
 <tile id="7">
  <image width="1280" height="720" source="20_Screens/MainMenuFrame.png"/>
 </tile>
 <tile id="8">
  <image width="1280" height="720" source="20_Screens/MainScreen.png"/>
 </tile>
 <tile id="9">
  <image width="1280" height="720" source="20_Screens/OptionsScreen.png"/>
 </tile>
 <tile id="10">
  <image width="1280" height="720" source="20_Screens/Splash_Controller.png"/>
 </tile>
 <tile id="11">
  <image width="1280" height="720" source="20_Screens/Splash_Ventrel.png"/>
 </tile>
 <tile id="12">
  <image width="900" height="200" source="20_Screens/You_Win.png"/>
 </tile>
</tileset>
